// Generated drawings for the rendering benchmarks: a floor plan of rooms of four walls in a grid
// (half of them dashed), a tenth as many circles and arcs, a hundredth as many solids; and a
// heavy drawing of many circles and dashed lines scattered over one sheet.
#pragma once

#include <cstddef>

#include "model/DrawingStore.h"

namespace zf61::bench {

void FillFloorPlan(DrawingStore& store, size_t lineCount, unsigned seed = 1);

// Circles of radii from a fraction of a millimetre to a few centimetres and dashed lines of
// every dashed and random line type, all at random on an A1 sheet.
void FillHeavyDrawing(DrawingStore& store, size_t circleCount, size_t lineCount, unsigned seed = 1);

}  // namespace zf61::bench
