// One group's rooms: its open ends and their gap joins found first, its arrangement built once
// with walls and joins together, its bounded faces read out as rooms.
#pragma once

#include <memory>
#include <vector>

#include "fill/Rooms.h"
#include "rooms/Arrangement.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// Builds `arrangement` (empty) from the pieces (of positive length, finite) and the joins of
// their open ends within `reach`. False when a stop was requested. What the building kept is
// handed back in `leftovers`, for the caller to destroy when it suits it.
bool BuildGroupArrangement(const std::vector<RoomPiece>& pieces, double reach, WorkTally& tally,
                           Arrangement& arrangement, std::shared_ptr<void>& leftovers);

// Appends the arrangement's rooms to `rooms`: first its open ends, in the arrangement's order of
// vertices, then each bounded face's outer ring and the rings of its holes, in its order of
// faces. `pieces` is the group's size, for the tally. False when a stop was requested.
bool ReadRooms(const Arrangement& arrangement, size_t pieces, WorkTally& tally, Rooms& rooms);

}  // namespace zf61::rooms
