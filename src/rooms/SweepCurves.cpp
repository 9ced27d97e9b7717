#include "rooms/SweepCurves.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

// Curves made in one run of the work shared between threads.
constexpr size_t kCurvesPerRun = 32768;

bool Same(const Point& p, const Point& q) {
  return p.rep().identical(q.rep());
}

// Where a curve begins, in doubles (only for ordering), and where to find it: a wall not split,
// or one of the curves made already.
struct LeftEnd {
  double x, y;
  bool made;
  size_t index;
  bool operator<(const LeftEnd& o) const {
    if (x != o.x) return x < o.x;
    if (y != o.y) return y < o.y;
    return made != o.made ? !made : index < o.index;
  }
};

LeftEnd LeftOf(const Segment& curve, size_t index) {
  const Point& left = curve.left();
  return {CGAL::to_double(left.x()), CGAL::to_double(left.y()), true, index};
}

LeftEnd LeftOf(const RoomPiece& wall, size_t index) {
  const bool aFirst = wall.a.x < wall.b.x || (wall.a.x == wall.b.x && wall.a.y < wall.b.y);
  const PointD& left = aFirst ? wall.a : wall.b;
  return {left.x, left.y, false, index};
}

// The parts of a wall between the points where joins end inside it.
void AddSplitWall(const RoomPiece& wall, std::vector<Point> cuts, std::vector<Segment>& made) {
  auto before = [](const Point& p, const Point& q) {
    return !Same(p, q) && CGAL::compare_xy(p, q) == CGAL::SMALLER;
  };
  std::sort(cuts.begin(), cuts.end(), before);
  Point a(wall.a.x, wall.a.y), b(wall.b.x, wall.b.y);
  if (before(b, a)) std::swap(a, b);
  Point from = a;
  for (const Point& cut : cuts) {
    if (Same(cut, from) || cut == from) continue;  // two joins ending at one point
    made.emplace_back(from, cut);
    from = cut;
  }
  made.emplace_back(from, b);
}

}  // namespace

SweepCurves MakeSweepCurves(const std::vector<RoomPiece>& walls, const std::vector<bool>& repeats,
                            std::vector<GapJoin> joins) {
  // The points inside each wall, wall by wall.
  std::sort(joins.begin(), joins.end(),
            [](const GapJoin& j, const GapJoin& k) { return j.inside < k.inside; });
  std::vector<Segment> made;
  std::vector<bool> split(walls.size(), false);
  for (size_t first = 0, last; first < joins.size(); first = last) {
    const uint32_t wall = joins[first].inside;
    std::vector<Point> cuts;
    for (last = first; last < joins.size() && joins[last].inside == wall; ++last) {
      if (wall != GapJoin::kNoPiece) cuts.push_back(joins[last].to);
    }
    if (wall == GapJoin::kNoPiece) continue;
    AddSplitWall(walls[wall], std::move(cuts), made);
    split[wall] = true;
  }
  for (GapJoin& join : joins) made.emplace_back(std::move(join.from), std::move(join.to));

  std::vector<LeftEnd> order;
  order.reserve(walls.size() + made.size());
  for (size_t i = 0; i < walls.size(); ++i) {
    if (!split[i] && !repeats[i]) order.push_back(LeftOf(walls[i], i));
  }
  for (size_t i = 0; i < made.size(); ++i) order.push_back(LeftOf(made[i], i));
  SortShared(order);

  // Made in runs, shared with a free worker, and put together in order.
  std::vector<std::vector<Segment>> runs((order.size() + kCurvesPerRun - 1) / kCurvesPerRun);
  ShareOut(order.size(), kCurvesPerRun, [&](size_t first, size_t last) {
    std::vector<Segment>& run = runs[first / kCurvesPerRun];
    run.reserve(last - first);
    for (size_t k = first; k < last; ++k) {
      const LeftEnd& end = order[k];
      if (end.made) {
        run.push_back(std::move(made[end.index]));
      } else {
        const RoomPiece& wall = walls[end.index];
        run.emplace_back(Point(wall.a.x, wall.a.y), Point(wall.b.x, wall.b.y));
      }
    }
  });
  SweepCurves sweep;
  sweep.curves.reserve(order.size());
  sweep.lefts.reserve(order.size());
  for (const LeftEnd& end : order) sweep.lefts.push_back(end.x);
  for (std::vector<Segment>& run : runs) {
    std::move(run.begin(), run.end(), std::back_inserter(sweep.curves));
  }
  return sweep;
}

}  // namespace zf61::rooms
