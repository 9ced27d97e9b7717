// The arrangement of the pieces, its gaps joined, and its bounded faces as rooms.
#include "rooms/CgalRoomFinder.h"

#include <algorithm>
#include <cmath>

#include "rooms/Arrangement.h"
#include "rooms/GapJoins.h"

namespace zf61 {
namespace {

using rooms::Arrangement;
using rooms::Point;
using rooms::Segment;

// Faces between two reports of progress.
constexpr size_t kFacesPerReport = 4096;

PointD ToDisplay(const Point& p) {
  return {CGAL::to_double(p.x()), CGAL::to_double(p.y())};
}

// The points of a boundary, from the source of its first edge round to it again.
ClosedRegion Ring(Arrangement::Ccb_halfedge_const_circulator first) {
  ClosedRegion ring;
  auto e = first;
  do {
    ring.points.push_back(ToDisplay(e->source()->point()));
  } while (++e != first);
  ring.points.push_back(ring.points.front());
  return ring;
}

bool Report(TraceProgress* progress, size_t done, size_t total) {
  return !progress || progress->keepGoing(done, total);
}

}  // namespace

bool CgalRoomFinder::findRooms(const std::vector<RoomPiece>& pieces, double gap,
                               TraceProgress* progress, Rooms& rooms) {
  rooms = Rooms();
  std::vector<Segment> segments;
  segments.reserve(pieces.size());
  for (const RoomPiece& piece : pieces) {
    Point a(piece.a.x, piece.a.y), b(piece.b.x, piece.b.y);
    if (a != b) segments.emplace_back(a, b);
  }
  const size_t total = segments.size() + 1;
  if (!Report(progress, 0, total)) return false;
  Arrangement arrangement;
  CGAL::insert(arrangement, segments.begin(), segments.end());
  // Ends that meet within the point tolerance meet here too: an arc's computed end a few units
  // in the last place off the wall it was drawn to.
  double reach = std::isfinite(gap) ? std::max(gap, kPointTolerance) : kPointTolerance;
  std::vector<Segment> joins = rooms::GapJoins(arrangement, reach);
  if (!joins.empty()) CGAL::insert(arrangement, joins.begin(), joins.end());
  for (auto v : rooms::OpenEnds(arrangement)) rooms.openEnds.push_back(ToDisplay(v->point()));
  size_t faces = 0;
  for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) {
    if (f->is_unbounded()) continue;
    if (++faces % kFacesPerReport == 0 && !Report(progress, segments.size() / 2, total)) {
      rooms = Rooms();
      return false;
    }
    rooms.rings.push_back(Ring(f->outer_ccb()));
    for (auto hole = f->inner_ccbs_begin(); hole != f->inner_ccbs_end(); ++hole) {
      rooms.rings.push_back(Ring(*hole));
    }
    ++rooms.roomCount;
  }
  if (Report(progress, total, total)) return true;
  rooms = Rooms();
  return false;
}

}  // namespace zf61
