// TForm1: what 確認(&P) shows over the view: the outline of every region a picture would
// paint, and a small red cross at every open end, where a region does not close.
#include <cmath>

#include "view/CanvasPrimitives.h"
#include "view/Stroking.h"
#include "window/TForm1.h"

namespace zf61 {
namespace {

constexpr Colour kOutlineColour = 0x00FF0000;  // blue
constexpr Colour kOpenEndColour = 0x000000FF;  // red
constexpr int32_t kOutlinePenWidth = 2;
// Half the size of an open end's cross, in pixels.
constexpr int32_t kCrossPixels = 5;

}  // namespace

void TForm1::DrawPreview() {
  Canvas& canvas = *canvas_;
  const ViewWindow& view = navigator_.view();
  DrawContext ctx(canvas, view, att_);
  SetPen(canvas, kOutlineColour, 0, kOutlinePenWidth);
  for (const ClosedRegion& ring : preview_->rings) {
    for (size_t i = 0; i + 1 < ring.points.size(); ++i) {
      const PointD &a = ring.points[i], &b = ring.points[i + 1];
      DrawClippedLine(ctx, a.x, a.y, b.x, b.y);
    }
  }
  SetPen(canvas, kOpenEndColour, 0, 0);
  for (const PointD& end : preview_->openEnds) {
    double px = (end.x - view.Left) * view.Scale;
    double py = view.PixelHeight - (end.y - view.Bottom) * view.Scale;
    if (!(px > -kCrossPixels && px < canvas.width() + kCrossPixels && py > -kCrossPixels &&
          py < canvas.height() + kCrossPixels)) {
      continue;  // off the view (or not a number)
    }
    PixelPoint p = view.DrawingToWindow(end.x, end.y);
    SegmentPx(canvas, p.x - kCrossPixels, p.y - kCrossPixels, p.x + kCrossPixels,
              p.y + kCrossPixels);
    SegmentPx(canvas, p.x - kCrossPixels, p.y + kCrossPixels, p.x + kCrossPixels,
              p.y - kCrossPixels);
  }
}

}  // namespace zf61
