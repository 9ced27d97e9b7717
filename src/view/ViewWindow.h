// The view: which rectangle of the drawing the paint box shows and at which scale, and the
// conversions between drawing units (y up) and paint-box pixels (origin top-left, y down).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/Geometry.h"

namespace zf61 {

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Pixel coordinates are kept within this range before rounding, so that a point far outside
// the view at a high zoom never overflows 32 bits; everything visible lies well inside it.
inline constexpr double kPixelCoordinateLimit = 1e9;

// A pixel coordinate clamped to the limit above (NaN to 0), rounded halves away from zero as
// RoundHalfAway does: truncation and the remaining fraction are both exact. Inline because every
// chord end of every figure passes through it.
inline int32_t RoundPixelCoordinate(double pixels) {
  if (std::isnan(pixels)) return 0;
  pixels = std::clamp(pixels, -kPixelCoordinateLimit, kPixelCoordinateLimit);
  int64_t whole = static_cast<int64_t>(pixels);
  double fraction = pixels - static_cast<double>(whole);
  if (fraction >= 0.5) ++whole;
  if (fraction <= -0.5) --whole;
  return static_cast<int32_t>(whole);
}

// RoundPixelCoordinate for a coordinate from 0 to the limit, as every point inside the view
// gives: the same truncation and fraction, without the clamp and the negative side.
inline int32_t RoundInsideView(double pixels) {
  int32_t whole = static_cast<int32_t>(pixels);
  return whole + (pixels - static_cast<double>(whole) >= 0.5 ? 1 : 0);
}

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
  PixelPoint DrawingToWindow(double x, double y) const {
    return {RoundPixelCoordinate((x - Left) * Scale),
            PixelHeight - RoundPixelCoordinate((y - Bottom) * Scale)};
  }
  PointD WindowToDrawing(double px, double py) const;
};

}  // namespace zf61
