// Drawings for the tracing benchmark: rooms of four lines in a grid, a tenth of them with a
// spur, every fifth pair sharing a side, and a door arc closing some corners.
#pragma once

#include <cstddef>

#include "model/DrawingStore.h"

namespace zf61::bench {

void FillRooms(DrawingStore& store, size_t segmentCount, unsigned seed = 1);

// A lattice of `cells` x `cells` squares whose every edge is a line of its own, the lines
// sharing their end points: first the horizontal edges row by row, then the vertical ones, as
// a floor or ceiling grid is drawn. Coordinates are offset by `origin` on both axes.
void FillLattice(DrawingStore& store, size_t cells, double origin = 0.0);

}  // namespace zf61::bench
