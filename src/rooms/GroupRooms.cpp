#include "rooms/GroupRooms.h"

#include "rooms/ArrangementSweep.h"
#include "rooms/DisplayPoint.h"
#include "rooms/GapJoins.h"
#include "rooms/OpenEnds.h"
#include "rooms/PieceGrid.h"

namespace zf61::rooms {
namespace {

// Faces read between two looks at the stop request.
constexpr size_t kFacesPerWatch = 1024;

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

}  // namespace

bool BuildGroupArrangement(const std::vector<RoomPiece>& pieces, double reach, WorkTally& tally,
                           Arrangement& arrangement) {
  const size_t n = pieces.size();
  StageTally openStage(tally, n * kOpenEndUnits), joinStage(tally, n * kJoinUnits);
  StageTally sweepStage(tally, n * kSweepUnits);
  const PieceGrid grid(pieces, reach);
  std::vector<bool> open;
  std::vector<GapJoin> joins;
  if (!FindOpenEnds(pieces, grid, openStage, open) ||
      !FindGapJoins(pieces, grid, open, reach, joinStage, joins)) {
    return false;
  }
  return SweepArrangement(MakeSweepCurves(pieces, std::move(joins)), arrangement, sweepStage);
}

bool ReadRooms(const Arrangement& arrangement, size_t pieces, WorkTally& tally, Rooms& rooms) {
  StageTally stage(tally, pieces * kRoomUnits);
  for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
    if (v->degree() == 1) rooms.openEnds.push_back(ToDisplay(v->point()));
  }
  const size_t faces = arrangement.number_of_faces();
  size_t read = 0;
  for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f, ++read) {
    if (read % kFacesPerWatch == 0) {
      if (tally.stopRequested()) return false;
      stage.reach(read, faces);
    }
    if (f->is_unbounded()) continue;
    rooms.outerRings.push_back(rooms.rings.size());
    rooms.rings.push_back(Ring(f->outer_ccb()));
    for (auto hole = f->inner_ccbs_begin(); hole != f->inner_ccbs_end(); ++hole) {
      rooms.rings.push_back(Ring(*hole));
    }
    ++rooms.roomCount;
  }
  stage.finish();
  return true;
}

}  // namespace zf61::rooms
