// Point-list drawing and the solid curves.
#include "view/PointDrawing.h"

#include <cmath>

#include "view/Clipping.h"
#include "view/Stroking.h"

namespace zf61 {
namespace {

// A parameter within this of a value selects that value's shape.
constexpr double kParameterTolerance = 1e-10;
constexpr double kWholeEllipseParameter = 100.0;
constexpr double kSectorParameter = 0.0;
constexpr double kSegmentParameter = 5.0;
// Length of the short segments that stand for the two tangents of a filled arc.
constexpr double kTangentLength = 10.0;

bool AllBeyondOneEdge(const DrawContext& ctx) {
  int common = ~0;
  for (const PointD& p : ctx.points) common &= OutCode(ctx.view, p.x, p.y);
  return common != 0;
}

bool Near(double value, double target) {
  return std::fabs(value - target) <= kParameterTolerance;
}

void AppendArcPoints(DrawContext& ctx, double radius, double flatness, double tilt, double cx,
                     double cy, double start, double sweep) {
  for (int i = 0; i <= kCurveChords; ++i) {
    double theta = start + i * (sweep / kCurveChords);
    ctx.points.push_back(EllipsePointRad(cx, cy, radius, flatness, tilt, theta));
  }
}

// Where the tangents at the two ends of the arc meet (directions of the unflattened circle);
// the centre when they are parallel.
PointD TangentCrossing(const DrawContext& ctx, double start, double sweep, double tilt, double cx,
                       double cy) {
  const PointD& first = ctx.points.front();
  const PointD& last = ctx.points.back();
  double a1 = start + tilt + kPi / 2;
  double a2 = start + sweep + tilt - kPi / 2;
  Intersection cross = IntersectSegments(first.x, first.y, first.x + kTangentLength * std::cos(a1),
                                         first.y + kTangentLength * std::sin(a1), last.x, last.y,
                                         last.x + kTangentLength * std::cos(a2),
                                         last.y + kTangentLength * std::sin(a2));
  if (cross.code == IntersectCode::Parallel) return {cx, cy};
  return {cross.x, cross.y};
}

}  // namespace

void DrawPointPolyline(DrawContext& ctx) {
  const size_t n = ctx.points.size();
  if (n < 2 || AllBeyondOneEdge(ctx)) return;
  std::vector<PixelPoint> piece;
  auto flush = [&]() {
    if (piece.size() > 1) ctx.canvas.polyline(piece);
    piece.clear();
  };
  for (size_t j = 1; j < n; ++j) {
    double x1 = ctx.points[j - 1].x, y1 = ctx.points[j - 1].y;
    double x2 = ctx.points[j].x, y2 = ctx.points[j].y;
    ClipResult result = ClipSegment(ctx.view, x1, y1, x2, y2);
    if (result == ClipResult::Invisible) {
      flush();
      continue;
    }
    if (piece.empty()) piece.push_back(ctx.view.DrawingToWindow(x1, y1));
    piece.push_back(ctx.view.DrawingToWindow(x2, y2));
    if (result == ClipResult::Clipped) flush();
  }
  flush();
}

void FillPointPolygon(DrawContext& ctx) {
  const size_t n = ctx.points.size();
  if (n < 3 || AllBeyondOneEdge(ctx)) return;
  const PointD& p0 = ctx.points[0];
  const PointD& p1 = ctx.points[1];
  if (Distance(p0.x, p0.y, p1.x, p1.y) * ctx.view.Scale > kMaxFilledEdgePixels) {
    ctx.points.push_back(p0);
    DrawPointPolyline(ctx);
    return;
  }
  std::vector<PixelPoint> pixels;
  pixels.reserve(n);
  for (const PointD& p : ctx.points) pixels.push_back(ctx.view.DrawingToWindow(p.x, p.y));
  ctx.canvas.polygon(pixels);
}

void DrawSolidCurve(DrawContext& ctx, SolidCurveMode mode, double parameter, double sweep,
                    double start, double tilt, double flatness, double radius, double cx,
                    double cy) {
  ctx.points.clear();
  if (mode == SolidCurveMode::Filled) {
    if (Near(parameter, kWholeEllipseParameter)) {
      for (int i = 0; i < kCurveChords; ++i) {
        ctx.points.push_back(EllipsePointRad(cx, cy, radius, flatness, tilt, DegToRad(i * 5.0)));
      }
    } else {
      AppendArcPoints(ctx, radius, flatness, tilt, cx, cy, start, sweep);
      if (Near(parameter, kSectorParameter)) {
        ctx.points.push_back({cx, cy});
      } else if (!Near(parameter, kSegmentParameter)) {
        ctx.points.push_back(TangentCrossing(ctx, start, sweep, tilt, cx, cy));
      }
    }
    FillPointPolygon(ctx);
  } else if (mode == SolidCurveMode::Outline) {
    if (Near(parameter, kWholeEllipseParameter)) {
      for (int i = 0; i <= kCurveChords; ++i) {
        ctx.points.push_back(EllipsePointRad(cx, cy, radius, flatness, tilt, DegToRad(i * 5.0)));
      }
    } else {
      AppendArcPoints(ctx, radius, flatness, tilt, cx, cy, start, sweep);
    }
    DrawPointPolyline(ctx);
  } else {
    AppendArcPoints(ctx, radius, flatness, tilt, cx, cy, start, sweep);
    for (int i = kCurveChords; i >= 0; --i) {
      double theta = start + i * (sweep / kCurveChords);
      ctx.points.push_back(EllipsePointRad(cx, cy, parameter, flatness, tilt, theta));
    }
    FillPointPolygon(ctx);
  }
  ctx.points.clear();
}

}  // namespace zf61
