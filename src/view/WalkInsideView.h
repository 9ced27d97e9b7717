// Pattern walks that need no clipping: a segment whose every dash and zigzag point stays in the
// view's inside box and on the canvas's pixels has its strokes rounded and written straight
// into those pixels, with none of the tests each stroke would otherwise take.
#pragma once

#include "view/DrawContext.h"
#include "view/PatternWalk.h"
#include "view/PixelRounding.h"
#include "view/ThinLines.h"

namespace zf61 {

// True when the pieces of the figure being stroked go straight into the canvas's pixels and
// every point the walk of `pattern` along S-E reaches, rounding of the walk included, lies in
// the figure's inside box and has its pixel on the canvas.
bool WalkStaysInsideView(const DrawContext& ctx, const Pattern& pattern, double x1, double y1,
                         double x2, double y2);

// Strokes of such a walk: both ends turned to pixels as EmitClippedLine turns points of the
// inside box, and the line written into the rows.
class DirectPieces {
 public:
  explicit DirectPieces(const DrawContext& ctx)
      : left_(ctx.view.Left),
        bottom_(ctx.view.Bottom),
        scale_(ctx.view.Scale),
        height_(ctx.view.PixelHeight),
        rows_(ctx.thinRows),
        colour_(ctx.thinPixel) {}

  void operator()(double x1, double y1, double x2, double y2) const {
    PixelPoint a, b;
    PixelCoordinatesInsideView(x1, x2, left_, scale_, a.x, b.x);
    PixelCoordinatesInsideView(y1, y2, bottom_, scale_, a.y, b.y);
    a.y = height_ - a.y, b.y = height_ - b.y;
    ThinLine(rows_, a, b, colour_);
  }

 private:
  double left_, bottom_, scale_;
  int32_t height_;
  PixelRows rows_;  // a copy the pixel writes cannot alias
  uint32_t colour_;
};

}  // namespace zf61
