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
  const ViewRect& v = ctx.view;
  const ViewRect& kept = ctx.insideBoxView;
  if (v.Left != kept.Left || v.Bottom != kept.Bottom || v.Right != kept.Right ||
      v.Top != kept.Top || v.Scale != kept.Scale) {
    ctx.insideBoxView = v;
    ctx.viewInsideBox = InsideBoxOf(v);
  }
  ctx.insideBox = ctx.viewInsideBox;
}

// After them: what was gathered goes to the canvas.
inline void EndPieces(DrawContext& ctx) {
  FlushSegments(ctx);
  ctx.thinDirect = false;
  ctx.insideBox = InsideBox();
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

// EmitClippedLine for a segment with an end outside the figure's inside box.
void EmitClippedLineNearEdges(DrawContext& ctx, double x1, double y1, double x2, double y2);

// The visible part of a segment in drawing units, as DrawClippedLine draws it. With both ends in
// the inside box ClipSegment would leave it as it is.
inline void EmitClippedLine(DrawContext& ctx, double x1, double y1, double x2, double y2) {
  if (ctx.insideBox.contains(x1, y1) && ctx.insideBox.contains(x2, y2)) {
    const ViewWindow& v = ctx.view;
    PixelPoint a{RoundInsideView((x1 - v.Left) * v.Scale),
                 v.PixelHeight - RoundInsideView((y1 - v.Bottom) * v.Scale)};
    PixelPoint b{RoundInsideView((x2 - v.Left) * v.Scale),
                 v.PixelHeight - RoundInsideView((y2 - v.Bottom) * v.Scale)};
    EmitSegment(ctx, a, b);
    return;
  }
  EmitClippedLineNearEdges(ctx, x1, y1, x2, y2);
}

}  // namespace zf61
