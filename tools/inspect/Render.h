// Headless drawing of a store, for zf61-inspect --render.
#pragma once

#include "model/DrawingStore.h"

namespace zf61 {

// Fits the view to a width x height canvas, draws every figure and saves the canvas as PNG.
bool RenderToPng(const DrawingStore& store, int width, int height, const char* path);

}  // namespace zf61
