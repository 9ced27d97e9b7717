// Clipped lines, line-type patterns and curve chords.
#include "view/Stroking.h"

#include <cmath>

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"
#include "view/PointDrawing.h"

namespace zf61 {
namespace {

struct Pattern {
  int count = 0;
  double amplitude = 0.0;
  double pieces[kMaxPieces] = {};
};

// Walks the pattern along the visible part S-E, drawing dashes (or the zigzag of a random line
// type) and leaving the element in progress in the stroke state.
void WalkPattern(DrawContext& ctx, const Pattern& pattern, double sx, double sy, double ex,
                 double ey) {
  StrokeState& st = ctx.stroke;
  int k = st.elementIndex;
  double consumed = st.consumedLength;
  double remaining = Distance(sx, sy, ex, ey);
  if (!std::isfinite(remaining)) return;
  double theta = DirectionAngle(ex - sx, ey - sy);
  double cosT = std::cos(theta), sinT = std::sin(theta);
  bool zigzag = std::fabs(pattern.amplitude) >= kZeroLength;
  double qx = sx, qy = sy;  // point on the axis
  double rx = sx, ry = sy;  // last zigzag vertex
  for (;;) {
    double element = pattern.pieces[k];
    double step = std::fabs(element) - consumed;
    if (step > remaining) step = remaining;
    double nx = qx + step * cosT, ny = qy + step * sinT;
    if (!zigzag) {
      if (element >= 0.0) DrawClippedLine(ctx, qx, qy, nx, ny);
    } else {
      double vx = nx, vy = ny;
      if (remaining - step > kZeroLength) {
        // Left of the direction of travel for a drawn piece, right for a gap.
        double side = element > 0.0 ? 1.0 : (element < 0.0 ? -1.0 : 0.0);
        vx += side * pattern.amplitude * -sinT;
        vy += side * pattern.amplitude * cosT;
      }
      DrawClippedLine(ctx, rx, ry, vx, vy);
      rx = vx, ry = vy;
    }
    qx = nx, qy = ny;
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
}

}  // namespace

void DrawClippedLine(DrawContext& ctx, double x1, double y1, double x2, double y2) {
  if (ClipSegment(ctx.view, x1, y1, x2, y2) == ClipResult::Invisible) return;
  PixelPoint a = ctx.view.DrawingToWindow(x1, y1);
  PixelPoint b = ctx.view.DrawingToWindow(x2, y2);
  SegmentPx(ctx.canvas, a.x, a.y, b.x, b.y);
}

void DrawClippedRect(DrawContext& ctx, double x1, double y1, double x2, double y2) {
  switch (ClassifyRect(ctx.view, x1, y1, x2, y2)) {
    case RectClass::Inside: {
      PixelPoint a = ctx.view.DrawingToWindow(x1, y1);
      PixelPoint b = ctx.view.DrawingToWindow(x2, y2);
      RectanglePx(ctx.canvas, a.x, a.y, b.x, b.y);
      break;
    }
    case RectClass::Partly:
      ctx.points = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
      FillPointPolygon(ctx);
      ctx.points.clear();
      break;
    case RectClass::Outside:
      break;
  }
}

void StrokeSegment(DrawContext& ctx, int layerIndex, int lineType, double x1, double y1,
                   double x2, double y2) {
  Pattern pattern;
  pattern.count = ctx.att.LineTypePieces(lineType, pattern.pieces);
  pattern.amplitude = ctx.att.LineTypeAmplitude(lineType);
  double patternPixels = ctx.att.LineTypePatternLength(lineType) * ctx.view.Scale;
  if (pattern.count == 0 || !(patternPixels > kSolidPatternPixels)) {
    DrawClippedLine(ctx, x1, y1, x2, y2);
    return;
  }
  if (ClipSegment(ctx.view, x1, y1, x2, y2) == ClipResult::Invisible) return;
  StrokeState& st = ctx.stroke;
  bool continues = st.lastLayer == layerIndex && st.lastLineType == lineType &&
                   std::fabs(st.lastEndX - x1) <= kPatternContinuity &&
                   std::fabs(st.lastEndY - y1) <= kPatternContinuity;
  if (!continues || st.elementIndex >= pattern.count) {
    st.elementIndex = 0;
    st.consumedLength = 0.0;
  }
  WalkPattern(ctx, pattern, x1, y1, x2, y2);
  st.lastLayer = layerIndex;
  st.lastLineType = lineType;
  st.lastEndX = x2;
  st.lastEndY = y2;
}

void StrokeEllipseArc(DrawContext& ctx, int layerIndex, int lineType, double sweep,
                      double start, double tilt, double flatness, double radius, double cx,
                      double cy) {
  double step = sweep / kCurveChords;
  double theta = start;
  PointD previous = EllipsePointRad(cx, cy, radius, flatness, tilt, theta);
  for (int i = 1; i <= kCurveChords; ++i) {
    theta += step;
    PointD next = EllipsePointRad(cx, cy, radius, flatness, tilt, theta);
    StrokeSegment(ctx, layerIndex, lineType, previous.x, previous.y, next.x, next.y);
    previous = next;
  }
}

}  // namespace zf61
