// Headless drawing of a store, for zf61-inspect --render.
#pragma once

#include <string>

#include "model/DrawingStore.h"

namespace zf61 {

struct PictureOptions {
  unsigned colour = 0xFF0000;  // RRGGBB
  int opacity = 128;
  int divisions = 24;
  int depth = 4;
  int background = 0;
  bool rooms = false;
  std::string gap = "0";  // as typed, like the window's field
  int magnification = 1;
};

// Reads "--colour RRGGBB --opacity N ..." pairs and the "--rooms" switch; false for anything
// else.
bool ParsePictureOptions(int argc, char** argv, PictureOptions& options);

// Runs picture generation on a fitted width x height canvas and writes the BMP to `path`.
bool GeneratePictureFile(const DrawingStore& store, int width, int height, const char* path,
                         const PictureOptions& options);

// Fits the view to a width x height canvas, draws every figure and saves the canvas as PNG.
bool RenderToPng(const DrawingStore& store, int width, int height, const char* path);

}  // namespace zf61
