// Drawings for the tracing benchmark: rooms of four lines in a grid, a tenth of them with a
// spur, every fifth pair sharing a side, and a door arc closing some corners.
#pragma once

#include <cstddef>

#include "model/DrawingStore.h"

namespace zf61::bench {

void FillRooms(DrawingStore& store, size_t segmentCount, unsigned seed = 1);

}  // namespace zf61::bench
