// Out-code clipping.
#include "view/Clipping.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace zf61 {
namespace {

// Moves one end onto the view's edges it lies beyond, along the line through (x0, y0) with
// direction (dx, dy); each step uses the out-code left by the step before.
void ClipEnd(const ViewRect& v, int code, double x0, double y0, double dx, double dy, double& x,
             double& y) {
  if ((code & kOutLeft) && std::fabs(dx) > kClipTolerance) {
    x = v.Left;
    y = y0 + (v.Left - x0) * dy / dx;
    code = OutCode(v, x, y);
  }
  if ((code & kOutRight) && std::fabs(dx) > kClipTolerance) {
    x = v.Right;
    y = y0 + (v.Right - x0) * dy / dx;
    code = OutCode(v, x, y);
  }
  if ((code & kOutBelow) && std::fabs(dy) > kClipTolerance) {
    y = v.Bottom;
    x = x0 + dx * (v.Bottom - y0) / dy;
    code = OutCode(v, x, y);
  }
  if ((code & kOutAbove) && std::fabs(dy) > kClipTolerance) {
    y = v.Top;
    x = x0 + dx * (v.Top - y0) / dy;
  }
}

}  // namespace

int OutCode(const ViewRect& v, double x, double y) {
  int code = 0;
  if (x - v.Left < kClipTolerance) code |= kOutLeft;
  if (x - v.Right > -kClipTolerance) code |= kOutRight;
  if (y - v.Bottom < kClipTolerance) code |= kOutBelow;
  if (y - v.Top > -kClipTolerance) code |= kOutAbove;
  return code;
}

ClipResult ClipSegment(const ViewRect& v, double& x1, double& y1, double& x2, double& y2) {
  int c1 = OutCode(v, x1, y1);
  int c2 = OutCode(v, x2, y2);
  if (c1 == 0 && c2 == 0) return ClipResult::Inside;
  if (c1 & c2) return ClipResult::Invisible;
  const double x0 = x1, y0 = y1;
  const double dx = x2 - x1, dy = y2 - y1;
  ClipEnd(v, c1, x0, y0, dx, dy, x1, y1);
  ClipEnd(v, c2, x0, y0, dx, dy, x2, y2);
  if (std::fabs(x2 - x1) >= kClipTolerance || std::fabs(y2 - y1) >= kClipTolerance) {
    return ClipResult::Clipped;
  }
  return ClipResult::Invisible;
}

InsideBox InsideBoxOf(const ViewRect& v) {
  // Twice the tolerance, and four units in the last place of the largest edge for the rounding
  // of x - Left and the like, which is at most half a unit of the larger operand.
  const double largest =
      std::max({std::fabs(v.Left), std::fabs(v.Right), std::fabs(v.Bottom), std::fabs(v.Top)});
  const double margin = 2.0 * kClipTolerance + 4.0 * DBL_EPSILON * largest;
  const double widthPixels = (v.Right - v.Left) * v.Scale;
  const double heightPixels = (v.Top - v.Bottom) * v.Scale;
  // Pixel coordinates stay below the rounding limit with room for their own rounding.
  const double limit = 0.5 * kPixelCoordinateLimit;
  if (!(v.Scale > 0.0 && widthPixels < limit && heightPixels < limit && std::isfinite(margin))) {
    return {};
  }
  return {v.Left + margin, v.Bottom + margin, v.Right - margin, v.Top - margin};
}

RectClass ClassifyRect(const ViewRect& v, double x1, double y1, double x2, double y2) {
  int c1 = OutCode(v, x1, y1);
  int c2 = OutCode(v, x2, y2);
  if (c1 == 0 && c2 == 0) return RectClass::Inside;
  if (c1 & c2) return RectClass::Outside;
  return RectClass::Partly;
}

}  // namespace zf61
