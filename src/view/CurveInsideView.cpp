// Chords of curves that need no clipping.
#include "view/CurveInsideView.h"

#include <cmath>

#include "view/Clipping.h"
#include "view/SegmentBatch.h"

namespace zf61 {
namespace {

// Relative allowance for the rounding of the chord points and of the pattern walk along them;
// it is far above the few units in the last place either can be off by.
constexpr double kBoxSlack = 1e-12;

struct CurveBox {
  double left, bottom, right, top;
};

// A box that holds every chord point of the curve and every point a walk along the chords
// reaches, zigzag vertices (`sideways` off the chords) included.
CurveBox BoxOf(const EllipseFrame& frame, double sideways) {
  double rx = frame.reachX() + std::fabs(sideways);
  double ry = frame.reachY() + std::fabs(sideways);
  double slack = (std::fabs(frame.centreX()) + std::fabs(frame.centreY()) + rx + ry) * kBoxSlack;
  rx += slack, ry += slack;
  return {frame.centreX() - rx, frame.centreY() - ry, frame.centreX() + rx, frame.centreY() + ry};
}

// Out-codes only grow or shrink with the coordinates, so when two opposite corners are inside
// every point between them is.
bool InsideView(const ViewRect& view, const CurveBox& box) {
  if (!std::isfinite(box.left) || !std::isfinite(box.right) || !std::isfinite(box.bottom) ||
      !std::isfinite(box.top)) {
    return false;
  }
  return OutCode(view, box.left, box.bottom) == 0 && OutCode(view, box.right, box.top) == 0;
}

void EmitSolidChords(DrawContext& ctx, const EllipseFrame& frame, const CurveAngles& angles) {
  PointD first = frame.at(angles.cosines[0], angles.sines[0]);
  PixelPoint previous = ctx.view.DrawingToWindow(first.x, first.y);
  for (int i = 1; i < kCurvePoints; ++i) {
    PointD p = frame.at(angles.cosines[i], angles.sines[i]);
    PixelPoint next = ctx.view.DrawingToWindow(p.x, p.y);
    EmitSegment(ctx, previous, next);
    previous = next;
  }
}

// Walks the pattern along every chord; true when anything would be drawn.
bool WalkChords(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                const EllipseFrame& frame, const CurveAngles& angles, bool draw) {
  bool drawn = false;
  PointD previous = frame.at(angles.cosines[0], angles.sines[0]);
  for (int i = 1; i < kCurvePoints; ++i) {
    PointD next = frame.at(angles.cosines[i], angles.sines[i]);
    if (draw) {
      StrokeVisiblePart(ctx, pattern, layerIndex, lineType, previous.x, previous.y, next.x, next.y);
    } else {
      drawn |= WalkVisiblePart(ctx, pattern, layerIndex, lineType, previous.x, previous.y, next.x,
                               next.y);
    }
    previous = next;
  }
  return drawn;
}

}  // namespace

bool DrawCurveInsideView(DrawContext& ctx, const Pattern* pattern, int layerIndex, int lineType,
                         const EllipseFrame& frame, const CurveAngles& angles) {
  CurveBox box = BoxOf(frame, pattern ? pattern->amplitude : 0.0);
  if (!InsideView(ctx.view, box)) return false;
  // Pixel rounding keeps the order of the coordinates, so corners on one pixel put every point
  // of the box on it.
  PixelPoint low = ctx.view.DrawingToWindow(box.left, box.bottom);
  PixelPoint high = ctx.view.DrawingToWindow(box.right, box.top);
  bool onePixel = low == high;
  if (!pattern) {
    if (onePixel) {
      EmitSegment(ctx, low, low);
    } else {
      EmitSolidChords(ctx, frame, angles);
    }
  } else if (onePixel) {
    if (WalkChords(ctx, *pattern, layerIndex, lineType, frame, angles, false)) {
      EmitSegment(ctx, low, low);
    }
  } else {
    WalkChords(ctx, *pattern, layerIndex, lineType, frame, angles, true);
  }
  return true;
}

}  // namespace zf61
