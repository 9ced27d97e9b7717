// An index of segment end points by grid cell. Cells are 2^-26 (about 1.5e-8) wide, wider than
// the 1e-8 tolerance, so every end that meets a point lies in the few cells around it. Beyond
// 2^36 neighbouring doubles are farther apart than the tolerance, so there an end can only meet
// a point with exactly the same coordinate, and the coordinate itself is the key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "fill/TraceTypes.h"

namespace zf61 {

struct EndRef {
  int32_t segment = 0;
  bool atEnd = false;  // false: the segment's start point
};

class EndpointGrid {
 public:
  explicit EndpointGrid(const std::vector<TraceSegment>& segments);

  // Calls visit(EndRef) for every end in the cells that can hold an end meeting (x, y): a
  // superset of the ends that meet it, each at most once.
  template <typename Visit>
  void forEachNear(double x, double y, Visit&& visit) const {
    AxisRange rx = QueryRange(x), ry = QueryRange(y);
    for (int64_t cx = rx.low; cx <= rx.high; ++cx) {
      for (int64_t cy = ry.low; cy <= ry.high; ++cy) {
        auto found = cells_.find(CellKey{cx, cy, rx.exact, ry.exact});
        if (found == cells_.end()) continue;
        for (uint32_t i = found->second.begin; i < found->second.end; ++i) visit(entries_[i]);
      }
    }
  }

 private:
  struct CellKey {
    int64_t x, y;
    bool exactX, exactY;
    bool operator==(const CellKey& o) const {
      return x == o.x && y == o.y && exactX == o.exactX && exactY == o.exactY;
    }
  };
  struct CellKeyHash {
    size_t operator()(const CellKey& k) const;
  };
  struct Range {
    uint32_t begin, end;
  };
  struct AxisRange {
    int64_t low, high;
    bool exact;
  };

  static AxisRange QueryRange(double v);
  static CellKey KeyOf(double x, double y);

  std::vector<EndRef> entries_;  // grouped by cell
  std::unordered_map<CellKey, Range, CellKeyHash> cells_;
};

}  // namespace zf61
