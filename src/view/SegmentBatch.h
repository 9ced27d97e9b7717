// The line pieces of one figure (chords, dashes, zigzag strokes): written straight into the
// canvas's pixels where it allows that for the pen, else gathered as pixel pairs and handed to
// the canvas in one call, in the order they were issued. In plain drawing every piece goes
// straight to the line primitive instead.
#pragma once

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"
#include "view/DrawContext.h"

namespace zf61 {

// Pairs held at most before they are handed over, so that a huge figure needs no huge buffer.
inline constexpr size_t kMaxBatchedEnds = 8192;

// Hands what was gathered to the canvas.
void FlushSegments(DrawContext& ctx);

// A piece that is not written at once: to the line primitive in plain drawing, else gathered.
void GatherSegment(DrawContext& ctx, PixelPoint a, PixelPoint b);

// Before the pieces of one figure, with its pen set.
inline void BeginPieces(DrawContext& ctx) {
  ctx.thinDirect = !ctx.plainDrawing && ctx.canvas.thinLineRows(ctx.thinRows, ctx.thinPixel);
}

// After them: what was gathered goes to the canvas.
inline void EndPieces(DrawContext& ctx) {
  FlushSegments(ctx);
  ctx.thinDirect = false;
}

inline void EmitSegment(DrawContext& ctx, PixelPoint a, PixelPoint b) {
  // The pieces of a figure are all of its pen's colour, so the ones written at once and the
  // ones gathered may reach the pixels in either order.
  if (ctx.thinDirect && ctx.thinRows.holds(a) && ctx.thinRows.holds(b)) {
    ThinLine(ctx.thinRows, a, b, ctx.thinPixel);
    return;
  }
  GatherSegment(ctx, a, b);
}

// The visible part of a segment in drawing units, as DrawClippedLine draws it.
inline void EmitClippedLine(DrawContext& ctx, double x1, double y1, double x2, double y2) {
  // Both ends inside: ClipSegment would leave the segment as it is.
  PixelPoint a, b;
  if (PixelInsideView(ctx.view, x1, y1, a) && PixelInsideView(ctx.view, x2, y2, b)) {
    EmitSegment(ctx, a, b);
    return;
  }
  if (ClipSegment(ctx.view, x1, y1, x2, y2) == ClipResult::Invisible) return;
  EmitSegment(ctx, ctx.view.DrawingToWindow(x1, y1), ctx.view.DrawingToWindow(x2, y2));
}

}  // namespace zf61
