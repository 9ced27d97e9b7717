// Ends sorted by grid cell; ends meet within a cell or across the border of a neighbouring
// one. Cells are 2^-20 wide, far wider than the 1e-8 tolerance, so an end is near a border
// (and its neighbour cells are looked at) only rarely. From 2^27 on, neighbouring doubles are
// farther apart than the tolerance, so there only equal coordinates meet and the coordinate
// itself is the key.
#include "fill/MeetingPlaces.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace zf61 {
namespace {

constexpr double kCellsPerUnit = 1048576.0;  // 2^20
constexpr double kExactFrom = 134217728.0;   // 2^27
// Reach of the tolerance, with room for the rounding of v - reach and v + reach.
constexpr double kReach = kPointTolerance * 1.01;
constexpr double kRoundingReach = 1.0 / 1125899906842624.0;  // 2^-50 of |v|

struct AxisKey {
  int64_t key = 0;
  bool exact = false;
  bool nearLow = false, nearHigh = false;  // within reach of the cell's lower or upper border
};

// Cells are centred on the multiples of 2^-20, so that round coordinates, the usual ones in a
// drawing, lie in the middle of a cell and not on a border.
int64_t CellOf(double v) {
  return static_cast<int64_t>(std::floor(v * kCellsPerUnit + 0.5));
}

AxisKey KeyOf(double v) {
  if (!(std::fabs(v) < kExactFrom)) return {std::bit_cast<int64_t>(v), true};
  AxisKey k{CellOf(v), false};
  double reach = kReach + std::fabs(v) * kRoundingReach;
  k.nearLow = CellOf(v - reach) < k.key;
  k.nearHigh = CellOf(v + reach) > k.key;
  return k;
}

struct End {
  int64_t kx, ky;
  bool exactX, exactY;
  double x, y;
  int32_t id;  // 2 * segment + atEnd
};

bool CellLess(const End& a, int64_t kx, int64_t ky, bool ex, bool ey) {
  if (a.exactX != ex) return a.exactX < ex;
  if (a.kx != kx) return a.kx < kx;
  if (a.exactY != ey) return a.exactY < ey;
  return a.ky < ky;
}

bool Less(const End& a, const End& b) {
  if (CellLess(a, b.kx, b.ky, b.exactX, b.exactY)) return true;
  if (CellLess(b, a.kx, a.ky, a.exactX, a.exactY)) return false;
  if (a.x != b.x) return a.x < b.x;  // cells of exact keys hold equal x (or NaN: order kept)
  return a.y < b.y;
}

class UnionFind {
 public:
  explicit UnionFind(size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
  int32_t find(int32_t a) {
    while (parent_[a] != a) a = parent_[a] = parent_[parent_[a]];
    return a;
  }
  void join(int32_t a, int32_t b) {
    a = find(a), b = find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

 private:
  std::vector<int32_t> parent_;
};

class Sweep {
 public:
  Sweep(std::vector<End>& ends, UnionFind& places) : ends_(ends), places_(places) {}

  // Joins the ends of each cell that meet, and each near-border end with those that meet it in
  // the neighbouring cells.
  void run() {
    for (size_t begin = 0; begin < ends_.size();) {
      size_t end = CellEnd(begin);
      JoinWithin(begin, end);
      for (size_t i = begin; i < end; ++i) JoinAcrossBorders(i);
      begin = end;
    }
  }

 private:
  size_t CellEnd(size_t begin) const {
    const End& a = ends_[begin];
    size_t i = begin + 1;
    while (i < ends_.size() &&
           !CellLess(a, ends_[i].kx, ends_[i].ky, ends_[i].exactX, ends_[i].exactY))
      ++i;
    return i;
  }

  // Within a cell the ends are in order of x, so each is compared only with those after it
  // whose x is within the tolerance.
  void JoinWithin(size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      for (size_t j = i + 1; j < end; ++j) {
        if (!(ends_[j].x - ends_[i].x <= kPointTolerance)) break;
        if (SamePoint(ends_[i].x, ends_[i].y, ends_[j].x, ends_[j].y)) {
          places_.join(ends_[i].id, ends_[j].id);
        }
      }
    }
  }

  void JoinAcrossBorders(size_t i) {
    const End& e = ends_[i];
    AxisKey ax = KeyOf(e.x), ay = KeyOf(e.y);
    if (!(ax.nearLow || ax.nearHigh || ay.nearLow || ay.nearHigh)) return;
    for (int dx = ax.nearLow ? -1 : 0; dx <= (ax.nearHigh ? 1 : 0); ++dx) {
      for (int dy = ay.nearLow ? -1 : 0; dy <= (ay.nearHigh ? 1 : 0); ++dy) {
        if (dx == 0 && dy == 0) continue;
        JoinInCell(e, e.kx + dx, e.ky + dy);
      }
    }
  }

  void JoinInCell(const End& e, int64_t kx, int64_t ky) {
    auto first = std::lower_bound(ends_.begin(), ends_.end(), 0, [&](const End& a, int) {
      return CellLess(a, kx, ky, e.exactX, e.exactY);
    });
    for (auto it = first; it != ends_.end() && it->kx == kx && it->ky == ky &&
                          it->exactX == e.exactX && it->exactY == e.exactY;
         ++it) {
      if (SamePoint(e.x, e.y, it->x, it->y)) places_.join(e.id, it->id);
    }
  }

  std::vector<End>& ends_;
  UnionFind& places_;
};

}  // namespace

std::vector<int32_t> NumberPlaces(const std::vector<TraceSegment>& segments, int32_t& count) {
  std::vector<End> ends;
  ends.reserve(2 * segments.size());
  for (size_t i = 0; i < segments.size(); ++i) {
    const TraceSegment& s = segments[i];
    for (bool atEnd : {false, true}) {
      double x = atEnd ? s.endX : s.startX, y = atEnd ? s.endY : s.startY;
      AxisKey ax = KeyOf(x), ay = KeyOf(y);
      ends.push_back(
          {ax.key, ay.key, ax.exact, ay.exact, x, y, static_cast<int32_t>(2 * i + atEnd)});
    }
  }
  std::sort(ends.begin(), ends.end(), Less);
  UnionFind places(ends.size());
  Sweep(ends, places).run();
  std::vector<int32_t> place(ends.size(), -1), number(ends.size(), -1);
  count = 0;
  for (size_t e = 0; e < place.size(); ++e) {
    int32_t root = places.find(static_cast<int32_t>(e));
    if (number[root] < 0) number[root] = count++;
    place[e] = number[root];
  }
  return place;
}

}  // namespace zf61
