// Joining open ends across small gaps, decided before the arrangement is built: an end that meets
// nothing is joined to the nearest open end within the gap, or else to the nearest point within
// it of the rest of the drawing, that is of every edge the arrangement will have but the open
// end's own first edge. Distances and points are exact.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/Rooms.h"
#include "rooms/Arrangement.h"
#include "rooms/PieceGrid.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// A segment that closes a gap, from an open end to its target.
struct GapJoin {
  static constexpr uint32_t kNoPiece = UINT32_MAX;
  Point from, to;
  uint32_t inside = kNoPiece;  // the piece `to` lies inside (between its ends), if any
};

// The joins that close the gaps of at most `reach` (display units) at the open ends (`open`, end
// by end as FindOpenEnds gives them; the ends of repeated pieces are left to the first piece),
// appended to `joins`; joins that would lie along the open end's own pieces change nothing and
// are left out, and two ends that are each other's target are joined once. False when a stop
// was requested. Where two targets are equally near, the one lowest in x, then y, is taken.
bool FindGapJoins(const std::vector<RoomPiece>& pieces, const PieceGrid& grid,
                  const std::vector<bool>& open, const std::vector<bool>& repeats, double reach,
                  StageTally& stage, std::vector<GapJoin>& joins);

}  // namespace zf61::rooms
