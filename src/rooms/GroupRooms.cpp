#include "rooms/GroupRooms.h"

#include <iterator>

#include "rooms/ArrangementSweep.h"
#include "rooms/DisplayPoint.h"
#include "rooms/GapJoins.h"
#include "rooms/OpenEnds.h"
#include "rooms/PieceGrid.h"
#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

// Faces read in one run of the work shared between threads.
constexpr size_t kFacesPerRun = 2048;

// The points of a boundary, from the source of its first edge round to it again.
ClosedRegion Ring(Arrangement::Ccb_halfedge_const_circulator first) {
  size_t edges = 0;
  auto e = first;
  do {
    ++edges;
  } while (++e != first);
  ClosedRegion ring;
  ring.points.reserve(edges + 1);
  do {
    ring.points.push_back(ToDisplay(e->source()->point()));
  } while (++e != first);
  ring.points.push_back(ring.points.front());
  return ring;
}

// The rooms of faces [first, last), in their order.
void AddRooms(const std::vector<Arrangement::Face_const_handle>& faces, size_t first, size_t last,
              Rooms& rooms) {
  for (size_t i = first; i < last; ++i) {
    const auto& f = faces[i];
    rooms.outerRings.push_back(rooms.rings.size());
    rooms.rings.push_back(Ring(f->outer_ccb()));
    for (auto hole = f->inner_ccbs_begin(); hole != f->inner_ccbs_end(); ++hole) {
      rooms.rings.push_back(Ring(*hole));
    }
    ++rooms.roomCount;
  }
}

}  // namespace

bool BuildGroupArrangement(const std::vector<RoomPiece>& pieces, double reach, WorkTally& tally,
                           Arrangement& arrangement) {
  const size_t n = pieces.size();
  StageTally openStage(tally, n * kOpenEndUnits), joinStage(tally, n * kJoinUnits);
  StageTally sweepStage(tally, n * kSweepUnits);
  std::vector<bool> open, repeats;
  std::vector<GapJoin> joins;
  {  // the grid is freed before the sweep, the stage that takes the most memory
    const PieceGrid grid(pieces, reach);
    if (!FindOpenEnds(pieces, grid, openStage, open, repeats) ||
        !FindGapJoins(pieces, grid, open, repeats, reach, joinStage, joins)) {
      return false;
    }
  }
  return SweepArrangement(MakeSweepCurves(pieces, repeats, std::move(joins)), arrangement,
                          sweepStage);
}

bool ReadRooms(const Arrangement& arrangement, size_t pieces, WorkTally& tally, Rooms& rooms) {
  for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
    if (v->degree() == 1) rooms.openEnds.push_back(ToDisplay(v->point()));
  }
  std::vector<Arrangement::Face_const_handle> faces;
  for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) {
    if (!f->is_unbounded()) faces.push_back(f);
  }
  // Read in runs, shared with a free worker, and put together in order.
  const size_t units = pieces * kRoomUnits;
  auto runs = ShareOutInOrder<Rooms>(
      faces.size(), kFacesPerRun, [&](size_t first, size_t last, Rooms& run) {
        if (tally.stopRequested()) return;
        AddRooms(faces, first, last, run);
        tally.add(units * last / faces.size() - units * first / faces.size());
      });
  if (tally.stopRequested()) return false;
  for (Rooms& run : runs) AppendRooms(rooms, std::move(run));
  if (faces.empty()) tally.add(units);
  return true;
}

void AppendRooms(Rooms& to, Rooms&& from) {
  for (size_t first : from.outerRings) to.outerRings.push_back(first + to.rings.size());
  to.rings.insert(to.rings.end(), std::make_move_iterator(from.rings.begin()),
                  std::make_move_iterator(from.rings.end()));
  to.openEnds.insert(to.openEnds.end(), from.openEnds.begin(), from.openEnds.end());
  to.roomCount += from.roomCount;
}

}  // namespace zf61::rooms
