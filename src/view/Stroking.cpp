// Clipped lines, line-type patterns and curve chords.
#include "view/Stroking.h"

#include <cmath>

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"
#include "view/CurveInsideView.h"
#include "view/EllipseFrame.h"
#include "view/PointDrawing.h"
#include "view/SegmentBatch.h"

namespace zf61 {
namespace {

// Every chord of a curve lying beyond one edge of the view would be clipped away one by one
// (leaving the pattern state as it is), so such a curve is skipped as a whole. The bound
// r * (1 + |flatness|) holds every curve point; the small extra covers rounding.
bool CurveBeyondOneEdge(const ViewRect& v, double radius, double flatness, double cx, double cy) {
  double reach = std::fabs(radius) * (1.0 + std::fabs(flatness));
  reach += reach * 1e-9 + 1e-300;
  return cx + reach < v.Left || cx - reach > v.Right || cy + reach < v.Bottom || cy - reach > v.Top;
}

// StrokeSegment without handing the pieces over; `pattern` is null for a line type drawn solid.
void StrokePieces(DrawContext& ctx, const Pattern* pattern, int layerIndex, int lineType, double x1,
                  double y1, double x2, double y2) {
  if (!pattern) {
    EmitClippedLine(ctx, x1, y1, x2, y2);
    return;
  }
  if (ClipSegment(ctx.view, x1, y1, x2, y2) == ClipResult::Invisible) return;
  StrokeVisiblePart(ctx, *pattern, layerIndex, lineType, x1, y1, x2, y2);
}

// The chords of a curve without handing the pieces over; `pattern` as for StrokePieces.
void StrokeCurvePieces(DrawContext& ctx, const Pattern* pattern, int layerIndex, int lineType,
                       const EllipseFrame& frame, const CurveAngles& angles) {
  if (!ctx.plainDrawing && DrawCurveInsideView(ctx, pattern, layerIndex, lineType, frame, angles))
    return;
  PointD previous = frame.at(angles.cosines[0], angles.sines[0]);
  for (int i = 1; i < kCurvePoints; ++i) {
    PointD next = frame.at(angles.cosines[i], angles.sines[i]);
    StrokePieces(ctx, pattern, layerIndex, lineType, previous.x, previous.y, next.x, next.y);
    previous = next;
  }
}

}  // namespace

void DrawClippedLine(DrawContext& ctx, double x1, double y1, double x2, double y2) {
  BeginPieces(ctx);
  EmitClippedLine(ctx, x1, y1, x2, y2);
  EndPieces(ctx);
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
  BeginPieces(ctx);
  if (DrawnSolid(ctx, lineType)) {
    StrokePieces(ctx, nullptr, layerIndex, lineType, x1, y1, x2, y2);
  } else {
    Pattern pattern = LoadPattern(ctx.att, lineType);
    StrokePieces(ctx, &pattern, layerIndex, lineType, x1, y1, x2, y2);
  }
  EndPieces(ctx);
}

void StrokeEllipseArc(DrawContext& ctx, int layerIndex, int lineType, double sweep, double start,
                      double tilt, double flatness, double radius, double cx, double cy) {
  if (CurveBeyondOneEdge(ctx.view, radius, flatness, cx, cy)) return;
  BeginPieces(ctx);
  EllipseFrame frame(cx, cy, radius, flatness, tilt);
  const CurveAngles& angles = ctx.curveAngles.angles(start, sweep);
  // A solid curve (most of them) has no pattern to fill in.
  if (DrawnSolid(ctx, lineType)) {
    StrokeCurvePieces(ctx, nullptr, layerIndex, lineType, frame, angles);
  } else {
    Pattern pattern = LoadPattern(ctx.att, lineType);
    StrokeCurvePieces(ctx, &pattern, layerIndex, lineType, frame, angles);
  }
  EndPieces(ctx);
}

}  // namespace zf61
