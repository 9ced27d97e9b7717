// One group's rooms: its open ends and their gap joins found first, its arrangement built once
// with walls and joins together, its bounded faces read out as rooms.
#pragma once

#include <vector>

#include "fill/Rooms.h"
#include "rooms/Arrangement.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// Builds `arrangement` (empty) from the pieces (of positive length, finite) and the joins of
// their open ends within `reach`. False when a stop was requested.
bool BuildGroupArrangement(const std::vector<RoomPiece>& pieces, double reach, WorkTally& tally,
                           Arrangement& arrangement);

// Appends the arrangement's rooms to `rooms`: first its open ends, in the arrangement's order of
// vertices, then each bounded face's outer ring and the rings of its holes, in its order of
// faces. `pieces` is the group's size, for the tally. False when a stop was requested.
bool ReadRooms(const Arrangement& arrangement, size_t pieces, WorkTally& tally, Rooms& rooms);

// Appends `from`'s rooms and open ends after those of `to`, its rooms' first rings moved along.
void AppendRooms(Rooms& to, Rooms&& from);

}  // namespace zf61::rooms
