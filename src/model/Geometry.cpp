// Plane geometry helpers.
#include "model/Geometry.h"

#include <algorithm>
#include <cmath>

namespace zf61 {
namespace {

// Beyond this many turns the step-by-step reduction would take too long (or never end, since
// 1e300 - 360 == 1e300), so the angle is reduced with the exact fmod first.
constexpr double kStepwiseLimitDegrees = 360.0 * 4096.0;

// Rounds a difference to a multiple of 1e-8 the way the intersection test snaps slopes and
// x extents: add a half step and drop the fraction toward zero.
double SnapToTolerance(double value) {
  return std::trunc(value / kPointTolerance + 0.5) * kPointTolerance;
}

bool WithinBox(double v, double a, double b) {
  return std::min(a, b) - kPointTolerance <= v && v <= std::max(a, b) + kPointTolerance;
}

}  // namespace

double Distance(double x1, double y1, double x2, double y2) {
  double dx = x1 - x2;
  double dy = y1 - y2;
  return std::sqrt(dx * dx + dy * dy);
}

double DirectionAngle(double dx, double dy) {
  if (std::fabs(dx) < kZeroLength && std::fabs(dy) < kZeroLength) return 0.0;
  double angle = std::atan2(dy, dx);
  if (angle < 0.0) angle += 2.0 * kPi;
  return angle;
}

double NormalizeDegrees(double angle) {
  if (!std::isfinite(angle)) return 0.0;
  if (std::fabs(angle) > kStepwiseLimitDegrees) angle = std::fmod(angle, 360.0);
  while (angle < 0.0) angle += 360.0;
  while (angle >= 360.0) angle -= 360.0;
  return angle;
}

double RotateX(double x, double y, double cx, double cy, double thetaRad) {
  return cx + std::cos(thetaRad) * (x - cx) - std::sin(thetaRad) * (y - cy);
}

double RotateY(double x, double y, double cx, double cy, double thetaRad) {
  return cy + std::sin(thetaRad) * (x - cx) + std::cos(thetaRad) * (y - cy);
}

PointD RotatePoint(double x, double y, double cx, double cy, double thetaRad) {
  return {RotateX(x, y, cx, cy, thetaRad), RotateY(x, y, cx, cy, thetaRad)};
}

PointD EllipsePointRad(double cx, double cy, double r, double flatness, double tiltRad,
                       double phiRad) {
  double u = r * std::cos(phiRad);
  double v = r * flatness * std::sin(phiRad);
  PointD p = RotatePoint(u, v, 0.0, 0.0, tiltRad);
  return {p.x + cx, p.y + cy};
}

PointD EllipsePoint(double cx, double cy, double r, double flatness, double tiltDeg,
                    double phiDeg) {
  return EllipsePointRad(cx, cy, r, flatness, DegToRad(tiltDeg), DegToRad(phiDeg));
}

bool SamePoint(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= kPointTolerance && std::fabs(y1 - y2) <= kPointTolerance;
}

Intersection IntersectSegments(double ax1, double ay1, double ax2, double ay2, double bx1,
                               double by1, double bx2, double by2) {
  Intersection result;
  bool aVertical = SnapToTolerance(ax1 - ax2) == 0.0;
  bool bVertical = SnapToTolerance(bx1 - bx2) == 0.0;
  if (aVertical && bVertical) return result;
  if (aVertical) {
    double mB = (by2 - by1) / (bx2 - bx1);
    result.x = ax1;
    result.y = (ax1 - bx1) * mB + by1;
  } else if (bVertical) {
    double mA = (ay2 - ay1) / (ax2 - ax1);
    result.x = bx1;
    result.y = (bx1 - ax1) * mA + ay1;
  } else {
    double mA = (ay2 - ay1) / (ax2 - ax1);
    double mB = (by2 - by1) / (bx2 - bx1);
    if (SnapToTolerance(mA - mB) == 0.0) return result;
    double kA = ay1 - mA * ax1;
    double kB = by1 - mB * bx1;
    result.x = (kB - kA) / (mA - mB);
    result.y = mA * result.x + kA;
  }
  bool inside = WithinBox(result.x, ax1, ax2) && WithinBox(result.y, ay1, ay2) &&
                WithinBox(result.x, bx1, bx2) && WithinBox(result.y, by1, by2);
  result.code = inside ? IntersectCode::Inside : IntersectCode::Outside;
  return result;
}

double TwiceSignedArea(const PointD* points, size_t count) {
  double twice = 0;
  for (size_t i = 0; i < count; ++i) {
    const PointD &a = points[i], &b = points[(i + 1) % count];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice;
}

double SegmentDistance(PointD p, PointD a, PointD b) {
  double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  double t =
      length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace zf61
