// Whether a pattern walk stays inside the view.
#include "view/WalkInsideView.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace zf61 {
namespace {

// The walk's points are sums of steps along the direction, each sum off by at most a unit in
// the last place of the largest coordinate, and the direction and the remaining length are off
// by a few; this bounds how far all of that can take a point off the segment's box.
double WalkRoundingReach(const Pattern& pattern, double x1, double y1, double x2, double y2) {
  const double span = std::fabs(x2 - x1) + std::fabs(y2 - y1);  // at least the length
  // Each whole pattern (longer than nothing) takes `count` steps; the partial ones at either
  // end at most `count` more each.
  const double steps = pattern.count * (span / pattern.length + 2.0) + 8.0;
  const double largest =
      std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)}) + span +
      std::fabs(pattern.amplitude);
  return std::fabs(pattern.amplitude) + 4.0 * DBL_EPSILON * steps * largest;
}

}  // namespace

bool WalkStaysInsideView(const DrawContext& ctx, const Pattern& pattern, double x1, double y1,
                         double x2, double y2) {
  if (!ctx.thinDirect) return false;
  const double reach = WalkRoundingReach(pattern, x1, y1, x2, y2);
  const double left = std::min(x1, x2) - reach, right = std::max(x1, x2) + reach;
  const double bottom = std::min(y1, y2) - reach, top = std::max(y1, y2) + reach;
  // False for NaN, and for a reach that is not finite.
  if (!(ctx.insideBox.contains(left, bottom) && ctx.insideBox.contains(right, top))) return false;
  // Rounding keeps the order of coordinates, so every point's pixel lies between the corners'.
  const ViewWindow& v = ctx.view;
  PixelPoint lowLeft{RoundInsideView((left - v.Left) * v.Scale),
                     v.PixelHeight - RoundInsideView((bottom - v.Bottom) * v.Scale)};
  PixelPoint upRight{RoundInsideView((right - v.Left) * v.Scale),
                     v.PixelHeight - RoundInsideView((top - v.Bottom) * v.Scale)};
  return ctx.thinRows.holds(lowLeft) && ctx.thinRows.holds(upRight);
}

}  // namespace zf61
