// Clipped lines, line-type patterns and curve chords.
#include "view/Stroking.h"

#include <cmath>

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"
#include "view/EllipseFrame.h"
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

// Every chord of a curve lying beyond one edge of the view would be clipped away one by one
// (leaving the pattern state as it is), so such a curve is skipped as a whole. The bound
// r * (1 + |flatness|) holds every curve point; the small extra covers rounding.
bool CurveBeyondOneEdge(const ViewRect& v, double radius, double flatness, double cx, double cy) {
  double reach = std::fabs(radius) * (1.0 + std::fabs(flatness));
  reach += reach * 1e-9 + 1e-300;
  return cx + reach < v.Left || cx - reach > v.Right || cy + reach < v.Bottom || cy - reach > v.Top;
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

void StrokeSegment(DrawContext& ctx, int layerIndex, int lineType, double x1, double y1, double x2,
                   double y2) {
  double patternPixels = ctx.att.LineTypePatternLength(lineType) * ctx.view.Scale;
  if (ctx.att.LineTypePieceCount(lineType) == 0 || !(patternPixels > kSolidPatternPixels)) {
    DrawClippedLine(ctx, x1, y1, x2, y2);
    return;
  }
  if (ClipSegment(ctx.view, x1, y1, x2, y2) == ClipResult::Invisible) return;
  Pattern pattern;
  pattern.count = ctx.att.LineTypePieces(lineType, pattern.pieces);
  pattern.amplitude = ctx.att.LineTypeAmplitude(lineType);
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

void StrokeEllipseArc(DrawContext& ctx, int layerIndex, int lineType, double sweep, double start,
                      double tilt, double flatness, double radius, double cx, double cy) {
  if (CurveBeyondOneEdge(ctx.view, radius, flatness, cx, cy)) return;
  EllipseFrame frame(cx, cy, radius, flatness, tilt);
  const CurveAngles& angles = ctx.curveAngles.angles(start, sweep);
  PointD previous = frame.at(angles.cosines[0], angles.sines[0]);
  for (int i = 1; i < kCurvePoints; ++i) {
    PointD next = frame.at(angles.cosines[i], angles.sines[i]);
    StrokeSegment(ctx, layerIndex, lineType, previous.x, previous.y, next.x, next.y);
    previous = next;
  }
}

}  // namespace zf61
