// Clearing, pens, brushes, XOR mode, the line and rectangle primitives, and the pens and
// brushes of figures from the drawing attributes.
#pragma once

#include "model/UnitGraAtt.h"
#include "view/Canvas.h"

namespace zf61 {

// Widest pen a figure gets, in pixels, however far the view is zoomed in.
inline constexpr double kMaxPenPixels = 400.0;

void ClearCanvas(Canvas& canvas, const TgraAttribute& att, int32_t width, int32_t height);
void SetPen(Canvas& canvas, Colour colour, int style, int32_t width);
void SetBrush(Canvas& canvas, Colour colour, int style);
void SetXorMode(Canvas& canvas);
// A segment with both end pixels.
void SegmentPx(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// A rectangle; a line when one side is at most 2 pixels, nothing when both are.
void RectanglePx(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Pen of a figure: its colour by layer state, width w mm at `scale` pixels per mm, rounded
// halves to even and capped at kMaxPenPixels; brush clear.
void ApplyFigurePen(Canvas& canvas, const TgraAttribute& att, double scale, int layerIndex,
                    int penNumber, double widthMm);
void ApplyFigureBrush(Canvas& canvas, const TgraAttribute& att, int layerIndex, int penNumber,
                      int style);

}  // namespace zf61
