// Joining open ends across small gaps: an end that meets nothing is joined to the nearest open
// end within the gap, or else to the nearest point of another piece within it.
#pragma once

#include <vector>

#include "rooms/Arrangement.h"

namespace zf61::rooms {

// The vertices where only one edge ends.
std::vector<Arrangement::Vertex_const_handle> OpenEnds(const Arrangement& arrangement);

// The segments that close the gaps of at most `gap` (display units) at the open ends.
std::vector<Segment> GapJoins(const Arrangement& arrangement, double gap);

}  // namespace zf61::rooms
