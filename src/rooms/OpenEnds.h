// The ends of a group's pieces that meet nothing, found before the arrangement is built: an end
// is open when every piece that touches it ends there too and leaves it in the same direction
// (a repeat of the same wall), so that its vertex in the arrangement has one edge. Decided
// exactly, with exact predicates on the pieces' own coordinates.
#pragma once

#include <vector>

#include "fill/Rooms.h"
#include "rooms/PieceGrid.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// The ends of piece i are 2i (its point a) and 2i + 1 (its point b).
inline const PointD& EndPoint(const std::vector<RoomPiece>& pieces, size_t end) {
  return end % 2 ? pieces[end / 2].b : pieces[end / 2].a;
}
inline const PointD& OtherEnd(const std::vector<RoomPiece>& pieces, size_t end) {
  return end % 2 ? pieces[end / 2].a : pieces[end / 2].b;
}

// Which ends are open, end by end, and which pieces repeat an earlier one end for end (either
// way round): a repeat changes nothing in the arrangement and is left out of it. False when a
// stop was requested.
bool FindOpenEnds(const std::vector<RoomPiece>& pieces, const PieceGrid& grid, StageTally& stage,
                  std::vector<bool>& open, std::vector<bool>& repeats);

}  // namespace zf61::rooms
