// Each open end's candidates come from the grid; distances are sifted in doubles, a little
// generously, and then compared exactly.
#include "rooms/GapJoins.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

#include "rooms/OpenEnds.h"
#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

using FT = Kernel::FT;

// Open ends joined between two looks at the stop request, and in one run of the work shared
// between threads.
constexpr size_t kEndsPerWatch = 1024;
constexpr size_t kEndsPerRun = 16 * kEndsPerWatch;
// The sift in doubles lets through pieces this much (relatively) beyond the reach, and a little
// more for the rounding of coordinates far from the origin and of long pieces.
constexpr double kSiftSlack = 1e-6;
constexpr double kPlaceRounding = 1e-12;
constexpr double kLengthRounding = 1e-9;

Point Exact(const PointD& p) {
  return {p.x, p.y};
}

// The nearest point of a piece (from p to q) to an end, exactly, and whether it is p, q or between
// them.
struct Nearest {
  enum Where { kAtP, kAtQ, kBetween };
  Point point;
  Where where;
};

// Along a horizontal or vertical piece the nearest point is the end's coordinate held to the
// piece's span: made from doubles, it stays known exactly without any further work.
std::optional<Nearest> NearestOnAxis(const PointD& v, const RoomPiece& piece) {
  const bool horizontal = piece.a.y == piece.b.y, vertical = piece.a.x == piece.b.x;
  if (!horizontal && !vertical) return std::nullopt;
  const double from = horizontal ? piece.a.x : piece.a.y, to = horizontal ? piece.b.x : piece.b.y;
  const double along = std::clamp(horizontal ? v.x : v.y, std::min(from, to), std::max(from, to));
  if (along == from) return Nearest{Exact(piece.a), Nearest::kAtP};
  if (along == to) return Nearest{Exact(piece.b), Nearest::kAtQ};
  const Point point = horizontal ? Point(along, piece.a.y) : Point(piece.a.x, along);
  return Nearest{point, Nearest::kBetween};
}

Nearest NearestOn(const PointD& at, const RoomPiece& piece) {
  if (std::optional<Nearest> onAxis = NearestOnAxis(at, piece)) return *onAxis;
  const Point v = Exact(at), p = Exact(piece.a), q = Exact(piece.b);
  Kernel::Vector_2 d = q - p;
  FT t = ((v - p) * d) / d.squared_length();
  if (t <= 0) return {p, Nearest::kAtP};
  if (t >= 1) return {q, Nearest::kAtQ};
  return {p + d * t, Nearest::kBetween};
}

// Whether the piece may come within `reach` of v, judged in doubles with room for rounding.
bool MayReach(const PointD& v, const RoomPiece& piece, double reach) {
  const double dx = piece.b.x - piece.a.x, dy = piece.b.y - piece.a.y;
  const double wx = v.x - piece.a.x, wy = v.y - piece.a.y;
  const double t = std::clamp((wx * dx + wy * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  const double distance = std::hypot(wx - t * dx, wy - t * dy);
  const double slack = reach * kSiftSlack + kPlaceRounding * (std::fabs(v.x) + std::fabs(v.y)) +
                       kLengthRounding * (std::fabs(dx) + std::fabs(dy));
  return distance <= reach + slack;
}

struct Candidate {
  bool found = false;
  bool toEnd = false;    // the target is another open end
  bool ownLine = false;  // the target is the nearest vertex on the end's own line
  FT distance2;
  Point target;
  uint32_t inside = GapJoin::kNoPiece;

  // Another open end wins over a piece; then the nearer; then the lower in x, then y.
  bool beats(const Candidate& other) const {
    if (!other.found || toEnd != other.toEnd) return !other.found || toEnd;
    if (distance2 != other.distance2) return distance2 < other.distance2;
    return CGAL::compare_xy(target, other.target) == CGAL::SMALLER;
  }
};

// The pieces that leave an open end (its own and its repeats) all run one way from it; they
// cover the line from the end to the farthest of their other ends.
struct OwnLine {
  PointD nearest, farthest;  // the nearest and the farthest of their other ends
};

class EndJoiner {
 public:
  EndJoiner(const std::vector<RoomPiece>& pieces, const PieceGrid& grid,
            const std::vector<bool>& open, double reach)
      : pieces_(pieces), grid_(grid), open_(open), reach_(reach), reach2_(FT(reach) * FT(reach)) {}

  // The join of the open end `end`, if one is within reach and changes the arrangement.
  std::optional<GapJoin> join(size_t end) {
    const PointD& at = EndPoint(pieces_, end);
    sortNear(at);
    if (near_.empty()) return std::nullopt;  // nothing within reach but its own line's ends
    const Point v = Exact(at);
    const OwnLine own = ownLine(at, end);
    best_ = Candidate();
    for (uint32_t j : near_) tryPiece(v, at, j);
    // The own line's vertex is not an open end: it never wins over one.
    if (!best_.toEnd) tryOwnLine(v, own);
    if (!best_.found || best_.ownLine || AlongOwnLine(v, own, best_.target)) return std::nullopt;
    return GapJoin{v, best_.target, best_.inside};
  }

 private:
  // The pieces that leave the end and the others within reach.
  void sortNear(const PointD& at) {
    grid_.near(at, reach_ * (1.0 + kSiftSlack), candidates_);
    along_.clear(), near_.clear();
    for (uint32_t j : candidates_) {
      const RoomPiece& piece = pieces_[j];
      if ((piece.a.x == at.x && piece.a.y == at.y) || (piece.b.x == at.x && piece.b.y == at.y)) {
        along_.push_back(j);
      } else if (MayReach(at, piece, reach_)) {
        near_.push_back(j);
      }
    }
  }

  OwnLine ownLine(const PointD& at, size_t end) const {
    const PointD& towards = OtherEnd(pieces_, end);
    // Along the line's main axis, in the direction the pieces leave the end.
    const bool byX = towards.x != at.x;
    const bool up = (byX ? towards.x - at.x : towards.y - at.y) > 0;
    auto beyond = [&](const PointD& p, const PointD& q) {
      double d = byX ? p.x - q.x : p.y - q.y;
      return up ? d > 0 : d < 0;
    };
    OwnLine own{towards, towards};
    for (uint32_t j : along_) {
      const RoomPiece& piece = pieces_[j];
      const PointD& other = piece.a.x == at.x && piece.a.y == at.y ? piece.b : piece.a;
      if (beyond(own.nearest, other)) own.nearest = other;
      if (beyond(other, own.farthest)) own.farthest = other;
    }
    return own;
  }

  void offer(const Candidate& candidate) {
    if (candidate.beats(best_)) best_ = candidate;
  }

  void tryPiece(const Point& v, const PointD& at, uint32_t j) {
    Nearest nearest = NearestOn(at, pieces_[j]);
    FT distance2 = CGAL::squared_distance(v, nearest.point);
    if (distance2 > reach2_) return;
    bool toEnd = (nearest.where == Nearest::kAtP && open_[2 * j]) ||
                 (nearest.where == Nearest::kAtQ && open_[2 * j + 1]);
    uint32_t inside = nearest.where == Nearest::kBetween ? j : GapJoin::kNoPiece;
    offer({true, toEnd, false, distance2, nearest.point, inside});
  }

  // The end's first edge runs along its own line to the nearest vertex there, w, and beyond w
  // the line is other edges, whose nearest point is w, where one of the end's pieces runs on
  // past w. Where another piece meets the line before the nearest of the pieces' ends, that
  // piece's own nearest point is at least as near as w and the line changes nothing; so the
  // line's candidate can be taken at that end, without working out where pieces meet it.
  void tryOwnLine(const Point& v, const OwnLine& own) {
    if (own.nearest.x == own.farthest.x && own.nearest.y == own.farthest.y) return;
    const Point w = Exact(own.nearest);
    const FT w2 = CGAL::squared_distance(v, w);
    if (w2 <= reach2_) offer({true, false, true, w2, w, GapJoin::kNoPiece});
  }

  // Whether the target lies on the end's own line, between the end and the farthest of its
  // pieces' ends: a join there would only repeat them.
  static bool AlongOwnLine(const Point& v, const OwnLine& own, const Point& target) {
    const Point far = Exact(own.farthest);
    return CGAL::collinear(v, far, target) &&
           CGAL::collinear_are_ordered_along_line(v, target, far);
  }

  const std::vector<RoomPiece>& pieces_;
  const PieceGrid& grid_;
  const std::vector<bool>& open_;
  const double reach_;
  const FT reach2_;
  std::vector<uint32_t> candidates_, along_, near_;
  Candidate best_;
};

// Two open ends that are each other's nearest are joined twice, once from each end: the second
// join lies exactly on the first and is dropped. (Joins that end at a vertex run between points of
// doubles, so they are compared in doubles exactly.)
void DropRepeatedJoins(std::vector<GapJoin>& joins) {
  using Place = std::pair<double, double>;
  struct Ends {
    Place low, high;
    size_t index;
    bool operator<(const Ends& o) const {
      return std::tie(low, high, index) < std::tie(o.low, o.high, o.index);
    }
  };
  auto place = [](const Point& p) { return Place(CGAL::to_double(p.x()), CGAL::to_double(p.y())); };
  std::vector<Ends> atVertices;
  for (size_t k = 0; k < joins.size(); ++k) {
    if (joins[k].inside != GapJoin::kNoPiece) continue;
    Place a = place(joins[k].from), b = place(joins[k].to);
    atVertices.push_back({std::min(a, b), std::max(a, b), k});
  }
  std::sort(atVertices.begin(), atVertices.end());
  std::vector<bool> repeated(joins.size(), false);
  for (size_t k = 1; k < atVertices.size(); ++k) {
    const Ends &e = atVertices[k], &before = atVertices[k - 1];
    if (e.low == before.low && e.high == before.high) repeated[e.index] = true;
  }
  size_t kept = 0;
  for (size_t k = 0; k < joins.size(); ++k) {
    if (!repeated[k]) joins[kept++] = std::move(joins[k]);
  }
  joins.erase(joins.begin() + static_cast<std::ptrdiff_t>(kept), joins.end());
}

}  // namespace

bool FindGapJoins(const std::vector<RoomPiece>& pieces, const PieceGrid& grid,
                  const std::vector<bool>& open, const std::vector<bool>& repeats, double reach,
                  StageTally& stage, std::vector<GapJoin>& joins) {
  // Each end's join depends on nothing but the drawing, so the ends are joined in runs shared
  // with a free worker, and the runs' joins put together in the order of the ends.
  std::atomic<size_t> looked{0};
  auto runs = ShareOutInOrder<std::vector<GapJoin>>(
      open.size(), kEndsPerRun, [&](size_t first, size_t last, std::vector<GapJoin>& run) {
        EndJoiner joiner(pieces, grid, open, reach);
        for (size_t end = first; end < last; ++end) {
          if ((end - first) % kEndsPerWatch == 0) {
            if (stage.stopRequested()) return;
            stage.reach(looked.fetch_add(std::min(kEndsPerWatch, last - end)), open.size());
          }
          if (!open[end] || repeats[end / 2]) continue;
          if (std::optional<GapJoin> join = joiner.join(end)) run.push_back(std::move(*join));
        }
      });
  if (stage.stopRequested()) return false;
  size_t total = joins.size();
  for (const std::vector<GapJoin>& run : runs) total += run.size();
  joins.reserve(total);
  for (std::vector<GapJoin>& run : runs) {
    std::move(run.begin(), run.end(), std::back_inserter(joins));
  }
  DropRepeatedJoins(joins);
  stage.finish();
  return true;
}

}  // namespace zf61::rooms
