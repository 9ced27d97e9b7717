// Joining open ends across small gaps: an end that meets nothing is joined to the nearest open
// end within the gap, or else to the nearest point of another piece within it.
#pragma once

#include <vector>

#include "rooms/Arrangement.h"

namespace zf61::rooms {

// The vertices where only one edge ends.
std::vector<Arrangement::Vertex_const_handle> OpenEnds(const Arrangement& arrangement);

// A segment that closes a gap, from an open end to the nearest other open end or the nearest
// point of another edge, with where its ends lie in the arrangement it was found in.
struct GapJoin {
  Point from, to;
  Arrangement::Vertex_const_handle fromVertex;
  Arrangement::Vertex_const_handle toVertex;  // where `to` is a vertex; else null
  Arrangement::Halfedge_const_handle toEdge;  // where `to` lies inside this edge
};

// The joins that close the gaps of at most `gap` (display units) at the open ends.
std::vector<GapJoin> GapJoins(const Arrangement& arrangement, double gap);

// Inserts the joins into the arrangement they were found in. Each is inserted from where its
// left end is known to lie, so that no join costs a search of the whole arrangement.
void InsertJoins(Arrangement& arrangement, const std::vector<GapJoin>& joins);

}  // namespace zf61::rooms
