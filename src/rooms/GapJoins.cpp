// Open ends found on the arrangement; the edges near each one found through a grid of the open
// ends, and their distances compared exactly.
#include "rooms/GapJoins.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace zf61::rooms {
namespace {

using Vertex = Arrangement::Vertex_const_handle;
using Halfedge = Arrangement::Halfedge_const_handle;

// Squared distances are compared a little generously in doubles before they are compared
// exactly, so that rounding never loses a candidate.
constexpr double kPrefilterSlack = 1e-9;

struct Cells {
  double size;
  std::unordered_map<int64_t, std::vector<size_t>> ends;  // open ends by cell

  // Clamped, so that tiny cells far from the origin still give a number; ends in a clamped
  // cell are only compared more often.
  int64_t cellOf(double v) const {
    return static_cast<int64_t>(std::clamp(std::floor(v / size), -kCellLimit, kCellLimit));
  }
  static int64_t key(int64_t cx, int64_t cy) {
    return static_cast<int64_t>(static_cast<uint64_t>(cx) * 73856093ULL ^
                                static_cast<uint64_t>(cy) * 19349663ULL);
  }
  static constexpr double kCellLimit = 0x1p60;
};

// The nearest point of the segment pq to v, exactly.
Point Nearest(const Point& v, const Point& p, const Point& q) {
  Kernel::Vector_2 d = q - p;
  Kernel::FT length2 = d.squared_length();
  Kernel::FT t = ((v - p) * d) / length2;
  if (t <= 0) return p;
  if (t >= 1) return q;
  return p + d * t;
}

struct Candidate {
  bool found = false;
  bool toEnd = false;  // the nearest point is another open end
  Kernel::FT distance2 = 0;
  Point target;
  Vertex targetVertex;  // where the target is an end of the edge
  Halfedge edge;
};

class Joiner {
 public:
  Joiner(const Arrangement& arrangement, double gap)
      : arrangement_(arrangement), gap_(gap), gap2_(Kernel::FT(gap) * Kernel::FT(gap)) {}

  std::vector<GapJoin> joins() {
    ends_ = OpenEnds(arrangement_);
    if (ends_.empty() || !(gap_ > 0.0) || !std::isfinite(gap_)) return {};
    best_.assign(ends_.size(), Candidate());
    BuildCells();
    for (auto e = arrangement_.edges_begin(); e != arrangement_.edges_end(); ++e) Visit(e);
    std::vector<GapJoin> out;
    for (size_t i = 0; i < ends_.size(); ++i) {
      const Candidate& best = best_[i];
      if (best.found && ends_[i]->point() != best.target) {
        out.push_back({ends_[i]->point(), best.target, ends_[i], best.targetVertex, best.edge});
      }
    }
    return out;
  }

 private:
  void BuildCells() {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (Vertex v : ends_) {
      double x = CGAL::to_double(v->point().x()), y = CGAL::to_double(v->point().y());
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    // Cells no smaller than the gap, and few enough that an edge's walk stays short.
    double extent = std::max(maxX - minX, maxY - minY);
    double spread = extent / std::max(1.0, std::sqrt(static_cast<double>(ends_.size())));
    cells_.size = std::max({gap_, spread, 1e-300});
    for (size_t i = 0; i < ends_.size(); ++i) {
      double x = CGAL::to_double(ends_[i]->point().x()), y = CGAL::to_double(ends_[i]->point().y());
      cells_.ends[Cells::key(cells_.cellOf(x), cells_.cellOf(y))].push_back(i);
    }
  }

  void Visit(Halfedge e) {
    const Point& p = e->source()->point();
    const Point& q = e->target()->point();
    double px = CGAL::to_double(p.x()), py = CGAL::to_double(p.y());
    double qx = CGAL::to_double(q.x()), qy = CGAL::to_double(q.y());
    int64_t x0 = cells_.cellOf(std::min(px, qx) - gap_),
            x1 = cells_.cellOf(std::max(px, qx) + gap_);
    int64_t y0 = cells_.cellOf(std::min(py, qy) - gap_),
            y1 = cells_.cellOf(std::max(py, qy) + gap_);
    // An edge far longer than the cells walks only the cells that hold open ends.
    // (Counted in doubles: the count of cells under a long edge may not fit in 64 bits.)
    double walked = (static_cast<double>(x1 - x0) + 1.0) * (static_cast<double>(y1 - y0) + 1.0);
    if (walked > static_cast<double>(cells_.ends.size())) {
      for (const auto& [key, list] : cells_.ends) {
        for (size_t i : list) Try(i, e, p, q);
      }
      return;
    }
    for (int64_t cx = x0; cx <= x1; ++cx) {
      for (int64_t cy = y0; cy <= y1; ++cy) {
        auto found = cells_.ends.find(Cells::key(cx, cy));
        if (found == cells_.ends.end()) continue;
        for (size_t i : found->second) Try(i, e, p, q);
      }
    }
  }

  void Try(size_t i, Halfedge e, const Point& p, const Point& q) {
    Vertex v = ends_[i];
    if (e->source() == v || e->target() == v) return;  // its own piece
    const Point& at = v->point();
    double d = std::sqrt(CGAL::to_double(CGAL::squared_distance(at, Kernel::Segment_2(p, q))));
    if (!(d <= gap_ * (1.0 + kPrefilterSlack) + kPrefilterSlack)) return;
    Point target = Nearest(at, p, q);
    Kernel::FT distance2 = CGAL::squared_distance(at, target);
    if (distance2 > gap2_) return;
    Vertex targetVertex = target == p ? e->source() : target == q ? e->target() : Vertex();
    bool toEnd = targetVertex != Vertex() && targetVertex->degree() == 1;
    Candidate& best = best_[i];
    // Another open end wins over a piece; then the nearer one.
    bool better = !best.found || (toEnd && !best.toEnd) ||
                  (toEnd == best.toEnd && distance2 < best.distance2);
    if (better) best = {true, toEnd, distance2, target, targetVertex, e};
  }

  const Arrangement& arrangement_;
  double gap_;
  Kernel::FT gap2_;
  std::vector<Vertex> ends_;
  std::vector<Candidate> best_;
  Cells cells_;
};

}  // namespace

std::vector<Arrangement::Vertex_const_handle> OpenEnds(const Arrangement& arrangement) {
  std::vector<Vertex> open;
  for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
    if (v->degree() == 1) open.push_back(v);
  }
  return open;
}

std::vector<GapJoin> GapJoins(const Arrangement& arrangement, double gap) {
  return Joiner(arrangement, gap).joins();
}

namespace {

// Whether `point` still lies inside `edge`: an earlier join may have split it there or nearer
// its other end.
bool StillInside(const Arrangement& arrangement, Halfedge edge, const Point& point) {
  const Traits& traits = *arrangement.geometry_traits();
  return point != edge->source()->point() && point != edge->target()->point() &&
         traits.is_in_x_range_2_object()(edge->curve(), point) &&
         traits.compare_y_at_x_2_object()(point, edge->curve()) == CGAL::EQUAL;
}

}  // namespace

void InsertJoins(Arrangement& arrangement, const std::vector<GapJoin>& joins) {
  for (const GapJoin& join : joins) {
    Segment segment(join.from, join.to);
    if (CGAL::compare_xy(join.from, join.to) == CGAL::SMALLER) {
      CGAL::insert(arrangement, segment, join.fromVertex);
    } else if (join.toVertex != Vertex()) {
      CGAL::insert(arrangement, segment, join.toVertex);
    } else if (StillInside(arrangement, join.toEdge, join.to)) {
      CGAL::insert(arrangement, segment, join.toEdge);
    } else {
      CGAL::insert(arrangement, segment);  // found by walking the arrangement
    }
  }
}

}  // namespace zf61::rooms
