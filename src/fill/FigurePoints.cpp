#include "fill/FigurePoints.h"

#include <cmath>

namespace zf61 {
namespace {

constexpr int kHiddenLayerState = 3;
constexpr double kWholeSweepTolerance = 1e-8;

}  // namespace

bool TakesPart(const TgraAttribute& att, const FigureHeader& h) {
  return att.LayerDrawState(h.LayerIndex()) != kHiddenLayerState && !(h.flags & kFlagHidden);
}

bool IsClosedCurve(const ArcFigure& a) {
  double sweep = NormalizeDegrees(a.endAngle - a.startAngle);
  return std::fabs(sweep) <= kWholeSweepTolerance ||
         std::fabs(sweep - 360.0) <= kWholeSweepTolerance;
}

PointD ArcPoint(const DrawingStore& store, const ArcFigure& a, double angleDeg) {
  double d = store.groupDivisor(a.header.group);
  PointD p = EllipsePoint(a.centreX, a.centreY, a.radius, a.flatness, a.tiltAngle, angleDeg);
  return {p.x / d, p.y / d};
}

std::vector<PointD> CirclePoints(const DrawingStore& store, const CircleFigure& c, int n) {
  double d = store.groupDivisor(c.header.group);
  std::vector<PointD> points;
  points.reserve(static_cast<size_t>(n) + 1);
  double a = 0.0;
  for (int i = 0; i <= n; ++i) {
    points.push_back(
        {(std::cos(a) * c.radius + c.centreX) / d, (std::sin(a) * c.radius + c.centreY) / d});
    a += 2.0 * kPi / n;  // added up point by point
  }
  return points;
}

std::vector<PointD> ClosedCurvePoints(const DrawingStore& store, const ArcFigure& arc, int n) {
  std::vector<PointD> points;
  points.reserve(static_cast<size_t>(n) + 1);
  double phi = 0.0;  // from 0, whatever the start angle
  for (int k = 0; k <= n; ++k) {
    points.push_back(ArcPoint(store, arc, phi));
    phi += 360.0 / n;
  }
  return points;
}

void AppendArcPoints(const DrawingStore& store, const ArcFigure& a, int n, bool reversed,
                     bool includeFirst, std::vector<PointD>& out) {
  double sweep = a.endAngle - a.startAngle;
  if (sweep < 0.0) sweep += 360.0;
  double step = sweep / n;
  if (includeFirst) {
    double angle = a.startAngle;  // the first link is never reversed
    for (int i = 0; i <= n; ++i) {
      out.push_back(ArcPoint(store, a, angle));
      angle += step;
    }
    return;
  }
  // The arc's own first point coincides with the previous point and is not repeated.
  double angle = reversed ? a.endAngle : a.startAngle;
  double signedStep = reversed ? -step : step;
  for (int i = 0; i < n; ++i) {
    angle += signedStep;
    out.push_back(ArcPoint(store, a, angle));
  }
}

}  // namespace zf61
