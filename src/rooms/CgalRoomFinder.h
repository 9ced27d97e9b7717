// Rooms with CGAL's 2D arrangements: exact predicates and exact constructions (the lazy exact
// kernel), so that crossings, T-junctions, overlaps and repeats are decided without tolerances.
#pragma once

#include "fill/Rooms.h"

namespace zf61 {

class CgalRoomFinder final : public RoomFinder {
 public:
  bool findRooms(const std::vector<RoomPiece>& pieces, double gap, TraceProgress* progress,
                 Rooms& rooms) override;
};

}  // namespace zf61
