// Clipping of segments and rectangles against the view rectangle.
#pragma once

#include "view/ViewWindow.h"

namespace zf61 {

// A point on an edge of the view, or within this of it, counts as outside that edge.
inline constexpr double kClipTolerance = 1e-12;

enum OutCodeBits { kOutLeft = 1, kOutRight = 2, kOutBelow = 4, kOutAbove = 8 };

enum class ClipResult { Inside = 0, Clipped = 1, Invisible = 2 };

int OutCode(const ViewRect& view, double x, double y);

// Cuts the segment to its visible part. A segment that passes outside a corner of the view
// collapses to one point and counts as invisible.
ClipResult ClipSegment(const ViewRect& view, double& x1, double& y1, double& x2, double& y2);

// DrawingToWindow for a point whose out-code is 0: true with its pixel, or false, leaving
// `pixel` alone, for any other point (NaN included).
inline bool PixelInsideView(const ViewWindow& view, double x, double y, PixelPoint& pixel) {
  if (!(x - view.Left >= kClipTolerance && x - view.Right <= -kClipTolerance &&
        y - view.Bottom >= kClipTolerance && y - view.Top <= -kClipTolerance)) {
    return false;
  }
  const double px = (x - view.Left) * view.Scale, py = (y - view.Bottom) * view.Scale;
  if (!(px >= 0.0 && py >= 0.0 && px <= kPixelCoordinateLimit && py <= kPixelCoordinateLimit)) {
    return false;
  }
  pixel = {RoundInsideView(px), view.PixelHeight - RoundInsideView(py)};
  return true;
}

// A box inside the view, kept from its edges by more than the out-code tolerance plus the
// rounding of the subtractions that test it, so that every point in it has out-code 0 and a
// pixel within RoundInsideView's range. Empty for a view where that cannot be had.
struct InsideBox {
  double left = 1.0, bottom = 1.0, right = 0.0, top = 0.0;  // empty

  bool contains(double x, double y) const {
    return x >= left && x <= right && y >= bottom && y <= top;  // false for NaN
  }
};

InsideBox InsideBoxOf(const ViewRect& view);

enum class RectClass { Inside = 0, Partly = 1, Outside = 2 };
RectClass ClassifyRect(const ViewRect& view, double x1, double y1, double x2, double y2);

}  // namespace zf61
