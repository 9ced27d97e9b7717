// Chords of curves that need no clipping.
#include "view/CurveInsideView.h"

#include <algorithm>
#include <cmath>

#include "view/Clipping.h"
#include "view/PixelRounding.h"
#include "view/SegmentBatch.h"

namespace zf61 {
namespace {

// Relative allowance for the rounding of the chord points and of the pattern walk along them;
// it is far above the few units in the last place either can be off by.
constexpr double kBoxSlack = 1e-12;

struct CurveBox {
  double left, bottom, right, top;
  double margin;  // rounding allowance and zigzag offset, for boxes about single chords
};

// A box that holds every chord point of the curve and every point a walk along the chords
// reaches, zigzag vertices (`sideways` off the chords) included.
CurveBox BoxOf(const EllipseFrame& frame, double sideways) {
  double rx = frame.reachX(), ry = frame.reachY();
  double slack = (std::fabs(frame.centreX()) + std::fabs(frame.centreY()) + rx + ry) * kBoxSlack;
  double margin = slack + std::fabs(sideways);
  rx += margin, ry += margin;
  return {frame.centreX() - rx, frame.centreY() - ry, frame.centreX() + rx, frame.centreY() + ry,
          margin};
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

// Pixel rounding keeps the order of the coordinates, so every point of a box has its pixel
// between those of two opposite corners; when they are one pixel every point is on it.
bool OnePixel(const ViewWindow& view, double left, double bottom, double right, double top,
              PixelPoint& pixel) {
  pixel = view.DrawingToWindow(left, bottom);
  return view.DrawingToWindow(right, top) == pixel;
}

// The chords' ends in unrounded pixels from the view's lower-left corner (y up), as
// DrawingToWindow takes them before rounding.
void ChordEndCoordinates(const ViewWindow& view, const EllipseFrame& frame,
                         const CurveAngles& angles, double (&px)[kCurvePoints],
                         double (&py)[kCurvePoints]) {
  if (frame.untilted()) {
    for (int i = 0; i < kCurvePoints; ++i) {
      PointD p = frame.atUntilted(angles.cosines[i], angles.sines[i]);
      px[i] = (p.x - view.Left) * view.Scale;
      py[i] = (p.y - view.Bottom) * view.Scale;
    }
  } else {
    for (int i = 0; i < kCurvePoints; ++i) {
      PointD p = frame.at(angles.cosines[i], angles.sines[i]);
      px[i] = (p.x - view.Left) * view.Scale;
      py[i] = (p.y - view.Bottom) * view.Scale;
    }
  }
}

// The chords' ends in pixels, as DrawingToWindow gives them, worked out together.
void ChordEndPixels(const ViewWindow& view, const EllipseFrame& frame, const CurveAngles& angles,
                    PixelPoint (&pixels)[kCurvePoints]) {
  double px[kCurvePoints], py[kCurvePoints];
  ChordEndCoordinates(view, frame, angles, px, py);
  int32_t ix[kCurvePoints], iy[kCurvePoints];
  RoundInsideViewAll(px, ix, kCurvePoints);
  RoundInsideViewAll(py, iy, kCurvePoints);
  for (int i = 0; i < kCurvePoints; ++i) pixels[i] = {ix[i], view.PixelHeight - iy[i]};
}

// True when the box's corner pixels are at most one apart each way.
bool SpansTwoPixels(PixelPoint lowLeft, PixelPoint upRight) {
  return upRight.x - lowLeft.x <= 1 && lowLeft.y - upRight.y <= 1;
}

// A solid curve whose box spans at most two pixels each way, written straight into the canvas's
// pixels. Every chord joins neighbouring pixels or stays on one, so the curve sets just the
// pixels of its chord ends, at most four. Each end lies in the box's lower pixel or the next one
// up, and RoundInsideView turns to the next exactly at the half between them.
void WriteTinyCurve(DrawContext& ctx, const EllipseFrame& frame, const CurveAngles& angles,
                    PixelPoint lowLeft) {
  double px[kCurvePoints], py[kCurvePoints];
  ChordEndCoordinates(ctx.view, frame, angles, px, py);
  const double xHalf = lowLeft.x + 0.5;
  const double yHalf = static_cast<double>(ctx.view.PixelHeight - lowLeft.y) + 0.5;
  unsigned seen = 0;  // bit (right + 2 * up) for each of the four pixels
  for (int i = 0; i < kCurvePoints; ++i) {
    seen |= 1u << ((px[i] >= xHalf ? 1 : 0) + (py[i] >= yHalf ? 2 : 0));
  }
  for (int q = 0; q < 4; ++q) {
    if (seen & (1u << q))
      *ctx.thinRows.at(lowLeft.x + (q & 1), lowLeft.y - (q >> 1)) = ctx.thinPixel;
  }
}

// The chords as one chain of line primitives, written straight into the canvas's pixels when
// `direct`.
void EmitSolidChords(DrawContext& ctx, const EllipseFrame& frame, const CurveAngles& angles,
                     bool direct) {
  PixelPoint pixels[kCurvePoints];
  ChordEndPixels(ctx.view, frame, angles, pixels);
  if (direct) {
    ThinChain(ctx.thinRows, pixels, kCurvePoints, ctx.thinPixel);
  } else {
    FlushSegments(ctx);
    ctx.canvas.chain(pixels, kCurvePoints);
  }
}

// Walks the pattern along every chord. A chord whose box (with the margin) lies on one pixel
// can only draw that pixel, so it is walked without working out where its dashes lie.
void WalkChords(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                const EllipseFrame& frame, const CurveAngles& angles, double margin) {
  PointD a = frame.at(angles.cosines[0], angles.sines[0]);
  for (int i = 1; i < kCurvePoints; ++i) {
    PointD b = frame.at(angles.cosines[i], angles.sines[i]);
    PixelPoint pixel;
    if (OnePixel(ctx.view, std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin,
                 std::max(a.x, b.x) + margin, std::max(a.y, b.y) + margin, pixel)) {
      if (WalkVisiblePart(ctx, pattern, layerIndex, lineType, a.x, a.y, b.x, b.y)) {
        EmitSegment(ctx, pixel, pixel);
      }
    } else {
      StrokeVisiblePart(ctx, pattern, layerIndex, lineType, a.x, a.y, b.x, b.y);
    }
    a = b;
  }
}

}  // namespace

bool DrawCurveInsideView(DrawContext& ctx, const Pattern* pattern, int layerIndex, int lineType,
                         const EllipseFrame& frame, const CurveAngles& angles) {
  CurveBox box = BoxOf(frame, pattern ? pattern->amplitude : 0.0);
  if (!InsideView(ctx.view, box)) return false;
  if (pattern) {
    WalkChords(ctx, *pattern, layerIndex, lineType, frame, angles, box.margin);
    return true;
  }
  PixelPoint lowLeft = ctx.view.DrawingToWindow(box.left, box.bottom);
  PixelPoint upRight = ctx.view.DrawingToWindow(box.right, box.top);
  // When the box's corner pixels lie on the canvas's pixels, every chord end between them does.
  const bool direct = ctx.thinDirect && ctx.thinRows.holds(lowLeft) && ctx.thinRows.holds(upRight);
  if (lowLeft == upRight) {
    EmitSegment(ctx, lowLeft, lowLeft);
  } else if (direct && SpansTwoPixels(lowLeft, upRight)) {
    WriteTinyCurve(ctx, frame, angles, lowLeft);
  } else {
    EmitSolidChords(ctx, frame, angles, direct);
  }
  return true;
}

}  // namespace zf61
