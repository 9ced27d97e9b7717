// Pieces gathered for the canvas.
#include "view/SegmentBatch.h"

namespace zf61 {

void FlushSegments(DrawContext& ctx) {
  if (ctx.segmentEnds.empty()) return;
  ctx.canvas.segments(ctx.segmentEnds);
  ctx.segmentEnds.clear();
}

void GatherSegment(DrawContext& ctx, PixelPoint a, PixelPoint b) {
  if (ctx.plainDrawing) {
    SegmentPx(ctx.canvas, a.x, a.y, b.x, b.y);
    return;
  }
  std::vector<PixelPoint>& ends = ctx.segmentEnds;
  // A piece of no length that starts where the piece before ended sets that end pixel again,
  // whatever the pen: leaving it out changes nothing.
  if (a == b && !ends.empty() && ends.back() == a) return;
  if (ends.size() >= kMaxBatchedEnds) FlushSegments(ctx);
  ends.push_back(a);
  ends.push_back(b);
}

void EmitClippedLineNearEdges(DrawContext& ctx, double x1, double y1, double x2, double y2) {
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
