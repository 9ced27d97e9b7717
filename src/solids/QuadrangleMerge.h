// Neighbouring triangles of one painted part taken two at a time into convex quadrangles, so
// that an area needs fewer solids.
#pragma once

#include <vector>

#include "output/AreaSplitter.h"
#include "solids/Triangulation.h"

namespace zf61::solids {

// The painted faces of `t` as pieces: pairs that make a strictly convex quadrangle across an
// edge inside their part become one piece, the rest stay triangles.
std::vector<SolidPiece> MergeIntoPieces(Triangulation& t);

}  // namespace zf61::solids
