// The curves a group's arrangement is swept from: the walls, each split where joins end inside
// it (at the very point object the join ends at), and the joins, in the order of their left
// ends, so that the sweep meets the memory it made in the order it made it.
#pragma once

#include <vector>

#include "fill/Rooms.h"
#include "rooms/Arrangement.h"
#include "rooms/GapJoins.h"

namespace zf61::rooms {

struct SweepCurves {
  std::vector<Segment> curves;
  std::vector<double> lefts;  // the x of each curve's left end, ascending
};

// `walls` are of positive length; those marked in `repeats` are left out; every join's `inside`
// names one of the others or none.
SweepCurves MakeSweepCurves(const std::vector<RoomPiece>& walls, const std::vector<bool>& repeats,
                            std::vector<GapJoin> joins);

}  // namespace zf61::rooms
