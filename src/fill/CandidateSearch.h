// How the tracer finds the segment that extends a chain: the lowest-numbered free segment one
// of whose ends meets the chain's end, its start before its end. Two ways with the same answer:
// a plain scan of every segment, and an index of end points.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "fill/TraceTypes.h"

namespace zf61 {

// One end of a segment: its start, or with atEnd its end.
struct EndRef {
  int32_t segment = 0;
  bool atEnd = false;
};

struct Extension {
  int32_t segment = 0;
  bool reversed = false;
};

class CandidateSearch {
 public:
  virtual ~CandidateSearch() = default;
  // `firstExtension`: the chain is only its start link. Then every segment counts; later, a
  // search may leave out segments that can close nothing, since the chain would only back out
  // of them again. (A first extension is never replaced, so there it decides the start.)
  // The chain's end is `end` (an end of its last segment) at (x, y).
  virtual std::optional<Extension> find(EndRef end, double x, double y,
                                        bool firstExtension) const = 0;
  // False only for segments that can be part of no closed chain at all.
  virtual bool mayClose(int32_t segment) const = 0;
  // Looks again for segments that can close nothing, now that regions have taken segments out
  // of play; worth it when searches have cost more than refreshCost() steps meanwhile.
  virtual void refresh() {}
  virtual size_t refreshCost() const { return 0; }
};

// Scans the whole list from the first segment on every call.
std::unique_ptr<CandidateSearch> MakeLinearSearch(const std::vector<TraceSegment>& segments);
// Looks only at the end points in the grid cells around the query point.
std::unique_ptr<CandidateSearch> MakeIndexedSearch(const std::vector<TraceSegment>& segments);

}  // namespace zf61
