// Generated drawings for the rendering benchmarks: rooms of four walls in a grid (half of them
// dashed), a tenth as many circles and arcs, a hundredth as many solids.
#pragma once

#include <cstddef>

#include "model/DrawingStore.h"

namespace zf61::bench {

void FillFloorPlan(DrawingStore& store, size_t lineCount, unsigned seed = 1);

}  // namespace zf61::bench
