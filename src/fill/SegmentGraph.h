// The drawing as a graph for the tracer: the segment ends that meet (taken together, so that
// ends meeting through a third count as one place) are its vertices and the segments its edges.
// A segment that lies on no cycle of this graph (a bridge) can be part of no closed chain, and
// a chain that walks into it can never come back: the search leaves such segments out.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/CandidateSearch.h"
#include "fill/TraceTypes.h"

namespace zf61 {

class SegmentGraph {
 public:
  explicit SegmentGraph(const std::vector<TraceSegment>& segments);

  // Marks every segment that is not used by a region and lies on no cycle of the segments not
  // used by a region; clears the mark of every other one.
  void markBridges(const std::vector<TraceSegment>& segments, std::vector<bool>& bridge) const;

  // Calls visit(EndRef) for every end at the place of `end` (itself included): a superset of
  // the ends that meet it.
  template <typename Visit>
  void forEachEndAt(EndRef end, Visit&& visit) const {
    int32_t p = place_[2 * static_cast<size_t>(end.segment) + end.atEnd];
    for (int32_t i = placeFirst_[p]; i < placeFirst_[p + 1]; ++i) {
      int32_t e = endsByPlace_[i];
      visit(EndRef{e / 2, (e & 1) != 0});
    }
  }

  // The work one markBridges costs, in steps comparable to those of a chain search.
  size_t size() const { return place_.size(); }

 private:
  int32_t placeOf(size_t segment, bool atEnd) const { return place_[2 * segment + atEnd]; }

  std::vector<int32_t> place_;       // the vertex of every end: start of i at 2i, end at 2i + 1
  std::vector<int32_t> placeFirst_;  // the ends of place p: endsByPlace_[placeFirst_[p]...]
  std::vector<int32_t> endsByPlace_;
  int32_t places_ = 0;
};

}  // namespace zf61
