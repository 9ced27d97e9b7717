// The pattern walk, drawing or only counting.
#include "view/PatternWalk.h"

#include <cmath>

#include "view/SegmentBatch.h"
#include "view/WalkInsideView.h"

namespace zf61 {
namespace {

// Hands a dash or zigzag stroke on as a clipped line.
struct ClippedPieces {
  DrawContext& ctx;
  void operator()(double x1, double y1, double x2, double y2) const {
    EmitClippedLine(ctx, x1, y1, x2, y2);
  }
};

// Walks the pattern along S-E, drawing dashes (or the zigzag of a random line type) when kDraw,
// and leaves the element in progress in the stroke state. The element sequence depends on the
// lengths alone, so walking without drawing ends in the same state. `emit` takes each stroke.
template <bool kDraw, typename Emit>
bool WalkPattern(DrawContext& ctx, const Pattern& pattern, double sx, double sy, double ex,
                 double ey, const Emit& emit) {
  StrokeState& st = ctx.stroke;
  int k = st.elementIndex;
  double consumed = st.consumedLength;
  double remaining = Distance(sx, sy, ex, ey);
  if (!std::isfinite(remaining)) return false;
  bool zigzag = std::fabs(pattern.amplitude) >= kZeroLength;
  double cosT = 0.0, sinT = 0.0;
  if constexpr (kDraw) {
    double theta = DirectionAngle(ex - sx, ey - sy);
    cosT = std::cos(theta), sinT = std::sin(theta);
  }
  double qx = sx, qy = sy;  // point on the axis
  double rx = sx, ry = sy;  // last zigzag vertex
  bool drawn = false;
  for (;;) {
    double element = pattern.pieces[k];
    double step = std::fabs(element) - consumed;
    if (step > remaining) step = remaining;
    drawn = drawn || zigzag || element >= 0.0;
    if constexpr (kDraw) {
      double nx = qx + step * cosT, ny = qy + step * sinT;
      if (!zigzag) {
        if (element >= 0.0) emit(qx, qy, nx, ny);
      } else {
        double vx = nx, vy = ny;
        if (remaining - step > kZeroLength) {
          // Left of the direction of travel for a drawn piece, right for a gap.
          double side = element > 0.0 ? 1.0 : (element < 0.0 ? -1.0 : 0.0);
          vx += side * pattern.amplitude * -sinT;
          vy += side * pattern.amplitude * cosT;
        }
        emit(rx, ry, vx, vy);
        rx = vx, ry = vy;
      }
      qx = nx, qy = ny;
    }
    remaining -= step;
    if (remaining <= kZeroLength) {
      consumed += step;
      break;
    }
    consumed = 0.0;
    if (++k >= pattern.count) k = 0;
  }
  st.elementIndex = k;
  st.consumedLength = consumed;
  return drawn;
}

template <bool kDraw>
bool Stroke(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType, double x1,
            double y1, double x2, double y2) {
  StrokeState& st = ctx.stroke;
  bool continues = st.lastLayer == layerIndex && st.lastLineType == lineType &&
                   std::fabs(st.lastEndX - x1) <= kPatternContinuity &&
                   std::fabs(st.lastEndY - y1) <= kPatternContinuity;
  if (!continues || st.elementIndex >= pattern.count) {
    st.elementIndex = 0;
    st.consumedLength = 0.0;
  }
  bool drawn;
  if constexpr (kDraw) {
    // Every point of a walk wholly inside the view is turned to pixels the same way, with no
    // clipping, and lands on the canvas's pixels.
    if (WalkStaysInsideView(ctx, pattern, x1, y1, x2, y2)) {
      drawn = WalkPattern<true>(ctx, pattern, x1, y1, x2, y2, DirectPieces(ctx));
    } else {
      drawn = WalkPattern<true>(ctx, pattern, x1, y1, x2, y2, ClippedPieces{ctx});
    }
  } else {
    drawn = WalkPattern<false>(ctx, pattern, x1, y1, x2, y2, ClippedPieces{ctx});
  }
  st.lastLayer = layerIndex;
  st.lastLineType = lineType;
  st.lastEndX = x2;
  st.lastEndY = y2;
  return drawn;
}

}  // namespace

Pattern LoadPattern(const TgraAttribute& att, int lineType) {
  Pattern pattern;
  pattern.count = att.LineTypePieces(lineType, pattern.pieces);
  pattern.amplitude = att.LineTypeAmplitude(lineType);
  for (int k = 0; k < pattern.count; ++k) pattern.length += std::fabs(pattern.pieces[k]);
  return pattern;
}

bool DrawnSolid(const DrawContext& ctx, int lineType) {
  double patternPixels = ctx.att.LineTypePatternLength(lineType) * ctx.view.Scale;
  return ctx.att.LineTypePieceCount(lineType) == 0 || !(patternPixels > kSolidPatternPixels);
}

void StrokeVisiblePart(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                       double x1, double y1, double x2, double y2) {
  Stroke<true>(ctx, pattern, layerIndex, lineType, x1, y1, x2, y2);
}

bool WalkVisiblePart(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                     double x1, double y1, double x2, double y2) {
  return Stroke<false>(ctx, pattern, layerIndex, lineType, x1, y1, x2, y2);
}

}  // namespace zf61
