#include "rooms/SweepCurves.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

// Curves made, and walls split, in one run of the work shared between threads.
constexpr size_t kCurvesPerRun = 32768;
constexpr size_t kWallsPerRun = 4096;

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

// A coordinate as CGAL::to_double gives it, read from the point's own approximation rather than
// from a number object made for the coordinate (an allocation for every curve).
double ToDouble(const Point& p, bool x) {
  auto coordinate = [&p, x] { return x ? CGAL::approx(p).x() : CGAL::approx(p).y(); };
  double value;
  if (CGAL::fit_in_double(coordinate(), value)) return value;
  if (!CGAL::has_smaller_relative_precision(coordinate(),
                                            Kernel::FT::get_relative_precision_of_to_double())) {
    CGAL::exact(p);  // narrows the approximation to the exact value
  }
  return CGAL::to_double(coordinate());
}

LeftEnd LeftOf(const Segment& curve, size_t index) {
  const Point& left = curve.left();
  return {ToDouble(left, true), ToDouble(left, false), true, index};
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

using Curves = std::vector<Segment>;

// The curves `make(i, run)` adds to `run` for each i in [0, count), made in runs shared with a
// free worker and put together in the order of i.
template <class Make>
Curves MadeInRuns(size_t count, size_t perRun, const Make& make) {
  auto runs = ShareOutInOrder<Curves>(count, perRun, [&](size_t first, size_t last, Curves& run) {
    run.reserve(last - first);  // at least one curve each
    for (size_t i = first; i < last; ++i) make(i, run);
  });
  size_t total = 0;
  for (const Curves& run : runs) total += run.size();
  Curves made;
  made.reserve(total);
  for (Curves& run : runs) {
    std::move(run.begin(), run.end(), std::back_inserter(made));
    run = Curves();
  }
  return made;
}

}  // namespace

SweepCurves MakeSweepCurves(const std::vector<RoomPiece>& walls, const std::vector<bool>& repeats,
                            std::vector<GapJoin> joins) {
  // The points inside each wall, wall by wall; the walls split in runs shared with a free worker,
  // and the parts put together in the order of the walls.
  std::sort(joins.begin(), joins.end(),
            [](const GapJoin& j, const GapJoin& k) { return j.inside < k.inside; });
  std::vector<size_t> wallStarts;  // where each split wall's joins begin, and then their end
  std::vector<bool> split(walls.size(), false);
  size_t inside = 0;  // the joins that end inside a wall come first
  for (; inside < joins.size() && joins[inside].inside != GapJoin::kNoPiece; ++inside) {
    if (inside == 0 || joins[inside].inside != joins[inside - 1].inside) {
      wallStarts.push_back(inside);
    }
    split[joins[inside].inside] = true;
  }
  const size_t splitWalls = wallStarts.size();
  wallStarts.push_back(inside);
  std::vector<Segment> made = MadeInRuns(splitWalls, kWallsPerRun, [&](size_t w, Curves& run) {
    std::vector<Point> cuts;
    for (size_t k = wallStarts[w]; k < wallStarts[w + 1]; ++k) cuts.push_back(joins[k].to);
    AddSplitWall(walls[joins[wallStarts[w]].inside], std::move(cuts), run);
  });
  std::vector<Segment> joinCurves =
      MadeInRuns(joins.size(), kCurvesPerRun, [&](size_t k, Curves& run) {
        run.emplace_back(std::move(joins[k].from), std::move(joins[k].to));
      });
  made.reserve(made.size() + joinCurves.size());
  std::move(joinCurves.begin(), joinCurves.end(), std::back_inserter(made));

  std::vector<LeftEnd> order;
  order.reserve(walls.size() + made.size());
  for (size_t i = 0; i < walls.size(); ++i) {
    if (!split[i] && !repeats[i]) order.push_back(LeftOf(walls[i], i));
  }
  for (size_t i = 0; i < made.size(); ++i) order.push_back(LeftOf(made[i], i));
  SortShared(order);

  SweepCurves sweep;
  sweep.curves = MadeInRuns(order.size(), kCurvesPerRun, [&](size_t k, Curves& run) {
    const LeftEnd& end = order[k];
    if (end.made) {
      run.push_back(std::move(made[end.index]));
    } else {
      const RoomPiece& wall = walls[end.index];
      run.emplace_back(Point(wall.a.x, wall.a.y), Point(wall.b.x, wall.b.y));
    }
  });
  sweep.lefts.reserve(order.size());
  for (const LeftEnd& end : order) sweep.lefts.push_back(end.x);
  return sweep;
}

}  // namespace zf61::rooms
