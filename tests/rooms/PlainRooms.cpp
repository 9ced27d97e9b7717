#include "PlainRooms.h"

#include <CGAL/Arr_segment_traits_2.h>
#include <CGAL/Arrangement_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>

#include <algorithm>
#include <cmath>

#include "rooms/DisplayPoint.h"
#include "rooms/PieceGroups.h"

namespace zf61::test {
namespace {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Traits = CGAL::Arr_segment_traits_2<Kernel>;
using Arrangement = CGAL::Arrangement_2<Traits>;
using Point = Kernel::Point_2;
using Vertex = Arrangement::Vertex_const_handle;

using rooms::ToDisplay;

Point Nearest(const Point& v, const Point& p, const Point& q) {
  Kernel::Vector_2 d = q - p;
  Kernel::FT t = ((v - p) * d) / d.squared_length();
  if (t <= 0) return p;
  if (t >= 1) return q;
  return p + d * t;
}

struct Target {
  bool found = false, toEnd = false;
  Kernel::FT distance2;
  Point point;
};

// The open end's join: to the nearest other open end within reach, or else to the nearest point
// within reach of any edge but its own.
Target JoinOf(const Arrangement& arrangement, Vertex v, const Kernel::FT& reach2) {
  Target best;
  for (auto e = arrangement.edges_begin(); e != arrangement.edges_end(); ++e) {
    if (e->source() == v || e->target() == v) continue;
    const Point& p = e->source()->point();
    const Point& q = e->target()->point();
    Point target = Nearest(v->point(), p, q);
    Kernel::FT distance2 = CGAL::squared_distance(v->point(), target);
    if (distance2 > reach2) continue;
    Vertex at = target == p ? Vertex(e->source()) : target == q ? Vertex(e->target()) : Vertex();
    bool toEnd = at != Vertex() && at->degree() == 1;
    bool better =
        !best.found || (toEnd && !best.toEnd) ||
        (toEnd == best.toEnd &&
         (distance2 < best.distance2 ||
          (distance2 == best.distance2 && CGAL::compare_xy(target, best.point) == CGAL::SMALLER)));
    if (better) best = {true, toEnd, distance2, target};
  }
  return best;
}

ClosedRegion Ring(Arrangement::Ccb_halfedge_const_circulator first) {
  ClosedRegion ring;
  auto e = first;
  do {
    ring.points.push_back(ToDisplay(e->source()->point()));
  } while (++e != first);
  ring.points.push_back(ring.points.front());
  return ring;
}

void AddRooms(const std::vector<RoomPiece>& pieces, double reach, Rooms& rooms) {
  std::vector<Traits::X_monotone_curve_2> segments;
  for (const RoomPiece& piece : pieces) {
    segments.emplace_back(Point(piece.a.x, piece.a.y), Point(piece.b.x, piece.b.y));
  }
  Arrangement arrangement;
  CGAL::insert(arrangement, segments.begin(), segments.end());
  std::vector<Traits::X_monotone_curve_2> joins;
  const Kernel::FT reach2 = Kernel::FT(reach) * Kernel::FT(reach);
  for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
    if (v->degree() != 1) continue;
    Target target = JoinOf(arrangement, v, reach2);
    if (target.found) joins.emplace_back(v->point(), target.point);
  }
  for (const auto& join : joins) CGAL::insert(arrangement, join);
  for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
    if (v->degree() == 1) rooms.openEnds.push_back(ToDisplay(v->point()));
  }
  for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) {
    if (f->is_unbounded()) continue;
    rooms.outerRings.push_back(rooms.rings.size());
    rooms.rings.push_back(Ring(f->outer_ccb()));
    for (auto hole = f->inner_ccbs_begin(); hole != f->inner_ccbs_end(); ++hole) {
      rooms.rings.push_back(Ring(*hole));
    }
    ++rooms.roomCount;
  }
}

}  // namespace

Rooms PlainRooms(const std::vector<RoomPiece>& pieces, double gap) {
  const double reach = std::isfinite(gap) ? std::max(gap, kPointTolerance) : kPointTolerance;
  std::vector<RoomPiece> usable;
  for (const RoomPiece& p : pieces) {
    bool finite = std::isfinite(p.a.x) && std::isfinite(p.a.y) && std::isfinite(p.b.x) &&
                  std::isfinite(p.b.y);
    if (finite && (p.a.x != p.b.x || p.a.y != p.b.y)) usable.push_back(p);
  }
  Rooms rooms;
  for (const auto& group : rooms::SeparateGroups(usable, reach)) AddRooms(group, reach, rooms);
  return rooms;
}

}  // namespace zf61::test
