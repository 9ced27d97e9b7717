// Canvas primitives and figure pens.
#include "view/CanvasPrimitives.h"

#include <cmath>
#include <cstdlib>

namespace zf61 {
namespace {

BrushStyle BrushOf(int style) {
  return style == 1 ? BrushStyle::Solid : BrushStyle::Clear;
}

// Sides of at most this many pixels make a rectangle a line or nothing.
constexpr int32_t kThinRectangle = 2;

}  // namespace

void ClearCanvas(Canvas& canvas, const TgraAttribute& att, int32_t width, int32_t height) {
  canvas.setPenMode(PenMode::Copy);
  canvas.setPen(att.BackgroundColour(), 1);
  canvas.setBrush(att.BackgroundColour(), BrushStyle::Solid);
  canvas.rectangle(0, 0, width, height);
  canvas.setBrush(att.BackgroundColour(), BrushStyle::Clear);
}

void SetPen(Canvas& canvas, Colour colour, int /*style: always solid*/, int32_t width) {
  canvas.setBrush(colour, BrushStyle::Clear);
  canvas.setPen(colour, width);
}

void SetBrush(Canvas& canvas, Colour colour, int style) {
  canvas.setBrush(colour, BrushOf(style));
}

void SetXorMode(Canvas& canvas) {
  canvas.setPenMode(PenMode::Xor);
}

void SegmentPx(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.moveTo(x1, y1);
  canvas.lineTo(x2, y2);
  canvas.setPixel(x2, y2, canvas.penColour());
}

void RectanglePx(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  int64_t dx = std::llabs(static_cast<int64_t>(x1) - x2);
  int64_t dy = std::llabs(static_cast<int64_t>(y1) - y2);
  if (dx <= kThinRectangle && dy <= kThinRectangle) return;
  if (dx <= kThinRectangle) {
    SegmentPx(canvas, x1, y1, x1, y2);
  } else if (dy <= kThinRectangle) {
    SegmentPx(canvas, x1, y1, x2, y1);
  } else {
    canvas.rectangle(x1, y1, x2, y2);
  }
}

void ApplyFigurePen(Canvas& canvas, const TgraAttribute& att, double scale, int layerIndex,
                    int penNumber, double widthMm) {
  Colour colour = att.FigureColour(layerIndex, penNumber);
  double p = widthMm * scale;
  if (!(p > 0.0)) p = 0.0;
  if (p > kMaxPenPixels) p = kMaxPenPixels;
  // Halves to the even neighbour (0.5 -> 0, 2.5 -> 2), as the pen width has always been taken.
  int32_t width = static_cast<int32_t>(std::nearbyint(p));
  canvas.setBrush(colour, BrushStyle::Clear);
  canvas.setPen(colour, width);
}

void ApplyFigureBrush(Canvas& canvas, const TgraAttribute& att, int layerIndex, int penNumber,
                      int style) {
  canvas.setBrush(att.FigureColour(layerIndex, penNumber), BrushOf(style));
}

}  // namespace zf61
