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

}  // namespace zf61
