// Plane geometry shared by the view, the renderers and the tracer: y points up, angles are in
// degrees counter-clockwise unless a name says radians.
#pragma once

#include <cstddef>

namespace zf61 {

inline constexpr double kPi = 3.14159265358979323846;
// A full turn in radians, as the curve code steps it.
inline constexpr double kTwoPi = 6.283185307179586;
// End points closer than this on both axes are the same point (a square box, not a radius).
inline constexpr double kPointTolerance = 1e-8;
// Direction components below this count as zero when taking an angle.
inline constexpr double kZeroLength = 1e-10;

struct PointD {
  double x = 0.0;
  double y = 0.0;
};

// Degrees to radians, dividing first so that the result matches the drawing code bit for bit.
inline double DegToRad(double degrees) {
  return degrees / 180.0 * kPi;
}

double Distance(double x1, double y1, double x2, double y2);

// Direction of (dx, dy) in radians in [0, 2*pi); 0 for a vector shorter than kZeroLength.
double DirectionAngle(double dx, double dy);

// The angle in [0, 360). Ordinary angles are brought into range by adding or subtracting 360
// step by step; angles so large that the steps would not finish are reduced exactly first.
// A value that is not finite gives 0.
double NormalizeDegrees(double angle);

PointD RotatePoint(double x, double y, double cx, double cy, double thetaRad);
double RotateX(double x, double y, double cx, double cy, double thetaRad);
double RotateY(double x, double y, double cx, double cy, double thetaRad);

// Point of a tilted ellipse at parameter angle phi (the angle before flattening).
PointD EllipsePointRad(double cx, double cy, double r, double flatness, double tiltRad,
                       double phiRad);
PointD EllipsePoint(double cx, double cy, double r, double flatness, double tiltDeg, double phiDeg);

bool SamePoint(double x1, double y1, double x2, double y2);

// Twice the signed area of the polygon through `count` points, closed from the last back to the
// first: positive counter-clockwise. A ring whose last point repeats its first gives the same.
double TwiceSignedArea(const PointD* points, size_t count);

// The distance from p to the segment from a to b (to a where a and b are one point).
double SegmentDistance(PointD p, PointD a, PointD b);

enum class IntersectCode { Parallel = 0, Inside = 1, Outside = 2 };

struct Intersection {
  IntersectCode code = IntersectCode::Parallel;
  double x = 0.0;  // written only when code is not Parallel
  double y = 0.0;
};

// Crossing of the lines through segments A and B. Inside when the point lies within both
// segments' boxes widened by kPointTolerance, Outside when it lies beyond one of them.
Intersection IntersectSegments(double ax1, double ay1, double ax2, double ay2, double bx1,
                               double by1, double bx2, double by2);

}  // namespace zf61
