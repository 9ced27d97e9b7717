// Placing an image into a parallelogram.
#include "view/TurnedImage.h"

#include <algorithm>
#include <cmath>

namespace zf61 {
namespace {

// A parallelogram whose sides span less than this in square pixels has no area to draw.
constexpr double kLeastArea = 1e-9;

}  // namespace

int32_t SideLength(PixelPoint from, PixelPoint to) {
  double length =
      std::hypot(static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y);
  return static_cast<int32_t>(std::clamp(std::round(length), 1.0, kPixelCoordinateLimit));
}

ImagePlacement PlacementOf(const ImageCorners& c, int32_t imageWidth, int32_t imageHeight) {
  const double w = std::max(imageWidth, 1), h = std::max(imageHeight, 1);
  ImagePlacement p;
  p.m11 = (static_cast<double>(c.topRight.x) - c.topLeft.x) / w;
  p.m12 = (static_cast<double>(c.topRight.y) - c.topLeft.y) / w;
  p.m21 = (static_cast<double>(c.bottomLeft.x) - c.topLeft.x) / h;
  p.m22 = (static_cast<double>(c.bottomLeft.y) - c.topLeft.y) / h;
  p.dx = c.topLeft.x;
  p.dy = c.topLeft.y;
  return p;
}

std::optional<ImagePart> PartOnCanvas(const ImagePlacement& p, int32_t imageWidth,
                                      int32_t imageHeight, int32_t canvasWidth,
                                      int32_t canvasHeight) {
  const double det = p.m11 * p.m22 - p.m21 * p.m12;
  if (!(std::fabs(det) * imageWidth * imageHeight > kLeastArea)) return std::nullopt;
  // The canvas's corners taken back into the image: their bounds hold every image point that
  // lands on the canvas.
  double uMin = HUGE_VAL, uMax = -HUGE_VAL, vMin = HUGE_VAL, vMax = -HUGE_VAL;
  for (double x : {0.0, double(canvasWidth)}) {
    for (double y : {0.0, double(canvasHeight)}) {
      double u = (p.m22 * (x - p.dx) - p.m21 * (y - p.dy)) / det;
      double v = (p.m11 * (y - p.dy) - p.m12 * (x - p.dx)) / det;
      uMin = std::min(uMin, u), uMax = std::max(uMax, u);
      vMin = std::min(vMin, v), vMax = std::max(vMax, v);
    }
  }
  const double left = std::max(std::floor(uMin) - 1.0, 0.0);
  const double right = std::min(std::ceil(uMax) + 1.0, double(imageWidth));
  const double top = std::max(std::floor(vMin) - 1.0, 0.0);
  const double bottom = std::min(std::ceil(vMax) + 1.0, double(imageHeight));
  if (!(left < right && top < bottom)) return std::nullopt;  // also when a bound is NaN
  return ImagePart{static_cast<int32_t>(left), static_cast<int32_t>(top),
                   static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
}

}  // namespace zf61
