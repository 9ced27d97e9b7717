#include "rooms/OpenEnds.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <tuple>

#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

// Exact predicates on doubles: the pieces' coordinates are taken as they are.
using Predicates = CGAL::Exact_predicates_inexact_constructions_kernel;
using Exact2 = Predicates::Point_2;

// Ends looked at between two looks at the stop request, and in one run of the work shared
// between threads.
constexpr size_t kEndsPerWatch = 4096;
constexpr size_t kEndsPerRun = 8 * kEndsPerWatch;

Exact2 AsPoint(const PointD& p) {
  return {p.x, p.y};
}

bool SamePlace(const PointD& p, const PointD& q) {
  return p.x == q.x && p.y == q.y;
}

// Whether pieces leave `at` towards `q` and towards `r` in the same direction.
bool SameDirection(const PointD& at, const PointD& q, const PointD& r) {
  Exact2 p = AsPoint(at), a = AsPoint(q), b = AsPoint(r);
  return CGAL::collinear(p, a, b) && !CGAL::collinear_are_ordered_along_line(a, p, b);
}

// Whether some piece passes through `at` between its ends.
bool PassesThrough(const std::vector<RoomPiece>& pieces, const PieceGrid& grid, const PointD& at,
                   std::vector<uint32_t>& near) {
  grid.near(at, 0.0, near);
  for (uint32_t j : near) {
    const RoomPiece& piece = pieces[j];
    if (SamePlace(at, piece.a) || SamePlace(at, piece.b)) continue;
    if (at.x < std::min(piece.a.x, piece.b.x) || at.x > std::max(piece.a.x, piece.b.x)) continue;
    if (at.y < std::min(piece.a.y, piece.b.y) || at.y > std::max(piece.a.y, piece.b.y)) continue;
    if (CGAL::collinear(AsPoint(piece.a), AsPoint(piece.b), AsPoint(at))) return true;
  }
  return false;
}

// What one run of the ends finds: open ends and repeated pieces.
struct Findings {
  std::vector<uint32_t> open, repeated;
};

struct PlacedEnd {
  double x, y;
  uint32_t end;
  bool operator<(const PlacedEnd& o) const {
    return x < o.x || (x == o.x && (y < o.y || (y == o.y && end < o.end)));
  }
};

// Among the ends at one place, the pieces whose other ends are at one place too: all but the
// first of each such set are repeats, added to `repeated`.
void FindRepeats(const std::vector<RoomPiece>& pieces, const PlacedEnd* first,
                 const PlacedEnd* last, std::vector<uint32_t>& repeated) {
  struct Piece {
    PointD other;  // the piece's other end
    uint32_t index;
    bool operator<(const Piece& o) const {
      return std::tie(other.x, other.y, index) < std::tie(o.other.x, o.other.y, o.index);
    }
  };
  std::vector<Piece> leaving;
  for (const PlacedEnd* e = first; e != last; ++e) {
    leaving.push_back({OtherEnd(pieces, e->end), e->end / 2});
  }
  std::sort(leaving.begin(), leaving.end());
  for (size_t k = 1; k < leaving.size(); ++k) {
    if (SamePlace(leaving[k].other, leaving[k - 1].other)) repeated.push_back(leaving[k].index);
  }
}

}  // namespace

bool FindOpenEnds(const std::vector<RoomPiece>& pieces, const PieceGrid& grid, StageTally& stage,
                  std::vector<bool>& open, std::vector<bool>& repeats) {
  // The ends in order of place, so that the ends at one place are together.
  std::vector<PlacedEnd> ends(2 * pieces.size());
  for (size_t e = 0; e < ends.size(); ++e) {
    const PointD& p = EndPoint(pieces, e);
    ends[e] = {p.x, p.y, static_cast<uint32_t>(e)};
  }
  SortShared(ends);
  auto samePlace = [&](size_t i, size_t j) {
    return ends[i].x == ends[j].x && ends[i].y == ends[j].y;
  };
  // Looked at place by place in runs shared with a free worker; a place belongs to the run its
  // first end falls in. What the runs find is marked afterwards (bits of one word must not be
  // written by two threads).
  std::atomic<size_t> looked{0};
  auto runs = ShareOutInOrder<Findings>(
      ends.size(), kEndsPerRun, [&](size_t from, size_t to, Findings& found) {
        std::vector<uint32_t> near;
        size_t first = from;
        while (first > 0 && first < to && samePlace(first, first - 1)) ++first;
        for (size_t last, watched = first; first < to; first = last) {
          if (first >= watched) {
            if (stage.stopRequested()) return;
            stage.reach(looked.fetch_add(std::min(kEndsPerWatch, to - first)), ends.size());
            watched = first + kEndsPerWatch;
          }
          const PointD& at = EndPoint(pieces, ends[first].end);
          const PointD& towards = OtherEnd(pieces, ends[first].end);
          bool oneWay = true;
          for (last = first + 1; last < ends.size() && samePlace(last, first); ++last) {
            oneWay = oneWay && SameDirection(at, towards, OtherEnd(pieces, ends[last].end));
          }
          if (last - first > 1) FindRepeats(pieces, &ends[first], &ends[last], found.repeated);
          if (!oneWay || PassesThrough(pieces, grid, at, near)) continue;
          for (size_t k = first; k < last; ++k) found.open.push_back(ends[k].end);
        }
      });
  if (stage.stopRequested()) return false;
  open.assign(ends.size(), false);
  repeats.assign(pieces.size(), false);
  for (const Findings& found : runs) {
    for (uint32_t end : found.open) open[end] = true;
    for (uint32_t piece : found.repeated) repeats[piece] = true;
  }
  stage.finish();
  return true;
}

}  // namespace zf61::rooms
