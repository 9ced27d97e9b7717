// View conversions.
#include "view/ViewWindow.h"

#include <algorithm>
#include <cmath>

#include "model/Numbers.h"

namespace zf61 {
namespace {

double Saturate(double pixels) {
  if (std::isnan(pixels)) return 0.0;
  return std::clamp(pixels, -kPixelCoordinateLimit, kPixelCoordinateLimit);
}

}  // namespace

void ViewWindow::SetRectangle(double cx, double cy) {
  Left = cx - PixelWidth * 0.5 / Scale;
  Right = cx + PixelWidth * 0.5 / Scale;
  Bottom = cy - PixelHeight * 0.5 / Scale;
  Top = cy + PixelHeight * 0.5 / Scale;
}

PixelPoint ViewWindow::DrawingToWindow(double x, double y) const {
  PixelPoint p;
  p.x = RoundHalfAway(Saturate((x - Left) * Scale));
  p.y = PixelHeight - RoundHalfAway(Saturate((y - Bottom) * Scale));
  return p;
}

PointD ViewWindow::WindowToDrawing(double px, double py) const {
  return {px / Scale + Left, Top - py / Scale};
}

}  // namespace zf61
