// View conversions.
#include "view/ViewWindow.h"

namespace zf61 {
void ViewWindow::SetRectangle(double cx, double cy) {
  Left = cx - PixelWidth * 0.5 / Scale;
  Right = cx + PixelWidth * 0.5 / Scale;
  Bottom = cy - PixelHeight * 0.5 / Scale;
  Top = cy + PixelHeight * 0.5 / Scale;
}

PointD ViewWindow::WindowToDrawing(double px, double py) const {
  return {px / Scale + Left, Top - py / Scale};
}

}  // namespace zf61
