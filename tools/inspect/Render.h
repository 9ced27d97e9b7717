// Headless drawing of a store, for zf61-inspect --render.
#pragma once

#include <string>
#include <vector>

#include "model/DrawingStore.h"

namespace zf61 {

// A click in the drawing area, for rooms: a pick in a colour, or a skip.
struct RoomClickOption {
  double x = 0, y = 0;  // display units, as --regions prints them
  bool skip = false;
  unsigned colour = 0;  // RRGGBB, for a pick
};

struct PictureOptions {
  unsigned colour = 0xFF0000;  // RRGGBB
  int opacity = 128;
  int divisions = 24;
  int depth = 4;
  int background = 0;
  bool rooms = false;
  std::string gap = "0";  // as typed, like the window's field
  int magnification = 1;
  std::vector<RoomClickOption> clicks;  // in the order given
};

// Reads "--colour RRGGBB --opacity N ..." pairs, the "--rooms" switch and the rooms' clicks
// "--pick X Y RRGGBB" and "--skip X Y" (only with --rooms); false for anything else.
bool ParsePictureOptions(int argc, char** argv, PictureOptions& options);

// Runs picture generation on a fitted width x height canvas and writes the BMP to `path`. A
// click outside every room, like a file that cannot be written, is told on stderr: false.
bool GeneratePictureFile(const DrawingStore& store, int width, int height, const char* path,
                         const PictureOptions& options);

// Fits the view to a width x height canvas, draws every figure and saves the canvas as PNG.
bool RenderToPng(const DrawingStore& store, int width, int height, const char* path);

}  // namespace zf61
