// The view: which rectangle of the drawing the paint box shows and at which scale, and the
// conversions between drawing units (y up) and paint-box pixels (origin top-left, y down).
#pragma once

#include <cstdint>

#include "model/Geometry.h"

namespace zf61 {

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// Pixel coordinates are kept within this range before rounding, so that a point far outside
// the view at a high zoom never overflows 32 bits; everything visible lies well inside it.
inline constexpr double kPixelCoordinateLimit = 1e9;

struct ViewRect {
  double Left = 0.0;
  double Bottom = 0.0;
  double Right = 0.0;
  double Top = 0.0;
  double Scale = 1.0;  // pixels per drawing unit
};

struct ViewWindow : ViewRect {
  int32_t PixelWidth = 0;
  int32_t PixelHeight = 0;

  // Sets the rectangle from a centre, keeping Scale and the pixel size.
  void SetRectangle(double cx, double cy);

  double PixelXF(double x) const { return (x - Left) * Scale; }
  double PixelYF(double y) const { return PixelHeight - (y - Bottom) * Scale; }
  PixelPoint DrawingToWindow(double x, double y) const;
  PointD WindowToDrawing(double px, double py) const;
};

}  // namespace zf61
