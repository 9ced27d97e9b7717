// Headless drawing of a store, for zf61-inspect --render.
#pragma once

#include "inspect/FillOptions.h"
#include "model/DrawingStore.h"

namespace zf61 {

// Runs picture generation on a fitted width x height canvas and writes the BMP to `path`. A
// click outside every room, like a file that cannot be written, is told on stderr: false.
bool GeneratePictureFile(const DrawingStore& store, int width, int height, const char* path,
                         const FillOptions& options);

// Fits the view to a width x height canvas, draws every figure and saves the canvas as PNG.
bool RenderToPng(const DrawingStore& store, int width, int height, const char* path);

}  // namespace zf61
