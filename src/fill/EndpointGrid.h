// An index of segment end points by grid cell. Cells are 2^-24 (about 6e-8) wide, wider than
// the 1e-8 tolerance, so every end that meets a point lies in the one to four cells around it.
// Beyond 2^36 neighbouring doubles are farther apart than the tolerance, so there an end can
// only meet a point with exactly the same coordinate, and the coordinate itself is the key.
// The cells live in an open-addressing table: one probe sequence per look-up, no node chasing.
#pragma once

#include <cstddef>
#include <cstdint>
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
        const Range* found = Find(CellKey{cx, cy, rx.exact, ry.exact});
        if (!found) continue;
        for (uint32_t i = found->begin; i < found->end; ++i) visit(entries_[i]);
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
  struct Range {
    uint32_t begin = 0, end = 0;  // empty slot when begin == end
  };
  struct Slot {
    CellKey key;
    Range range;
  };
  struct AxisRange {
    int64_t low, high;
    bool exact;
  };

  static AxisRange QueryRange(double v);
  static CellKey KeyOf(double x, double y);
  static uint64_t Hash(const CellKey& k);
  const Range* Find(const CellKey& key) const;

  std::vector<EndRef> entries_;  // grouped by cell
  std::vector<Slot> slots_;      // a power of two, at most half full
  uint64_t mask_ = 0;
};

}  // namespace zf61
