// Pieces far enough apart never share a room: where a straight line parallel to an axis passes
// between two sets of pieces with more than the join reach to spare, no face of one set can
// hold the other and no join can cross. Splitting there keeps every arrangement small, so that
// a drawing of many separate parts costs what its parts cost.
#pragma once

#include <vector>

#include "fill/Rooms.h"

namespace zf61::rooms {

// The pieces in groups that no axis-parallel line with more than `reach` of room on each side
// separates any further. Every piece is in exactly one group; empty input gives no group.
std::vector<std::vector<RoomPiece>> SeparateGroups(const std::vector<RoomPiece>& pieces,
                                                   double reach);

}  // namespace zf61::rooms
