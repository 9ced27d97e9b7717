// The plain way of finding rooms, kept to check the finder against: each group's walls swept
// into an arrangement, the open ends read off it and joined one by one, each join inserted into
// the arrangement on its own. Slow on large drawings, simple to trust.
#pragma once

#include <vector>

#include "fill/Rooms.h"

namespace zf61::test {

// The rooms of the pieces as the finder defines them, ends within `gap` joined. Where two
// targets of a join are equally near, the one lowest in x, then y, is taken, as the finder does.
Rooms PlainRooms(const std::vector<RoomPiece>& pieces, double gap);

}  // namespace zf61::test
