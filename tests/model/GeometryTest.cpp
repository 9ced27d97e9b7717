#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zf61 {
namespace {

TEST(NormalizeDegrees, BringsEveryAngleIntoRange) {
  EXPECT_EQ(NormalizeDegrees(720.0), 0.0);
  EXPECT_EQ(NormalizeDegrees(-360.0), 0.0);
  EXPECT_EQ(NormalizeDegrees(360.0), 0.0);
  EXPECT_EQ(NormalizeDegrees(-90.0), 270.0);
  EXPECT_EQ(NormalizeDegrees(45.0), 45.0);
  // Stepwise subtraction, as ordinary angles have always been reduced.
  EXPECT_EQ(NormalizeDegrees(1000.1), (1000.1 - 360.0) - 360.0);
  // Huge and non-finite angles finish.
  for (double a :
       {1e300, -1e300, 1e20, -7.5e15, std::numeric_limits<double>::infinity(), std::nan("")}) {
    double r = NormalizeDegrees(a);
    EXPECT_TRUE(r >= 0.0 && r < 360.0) << a << " -> " << r;
  }
  EXPECT_EQ(NormalizeDegrees(-1e-300), 0.0);
}

TEST(DirectionAngle, FullTurnRangeAndZeroVector) {
  EXPECT_DOUBLE_EQ(DirectionAngle(0.0, -1.0), 3.0 * kPi / 2.0);
  EXPECT_EQ(DirectionAngle(0.0, 0.0), 0.0);
  EXPECT_EQ(DirectionAngle(1e-11, -1e-11), 0.0);
  EXPECT_DOUBLE_EQ(DirectionAngle(-1.0, 0.0), kPi);
}

TEST(SamePoint, SquareToleranceBox) {
  EXPECT_TRUE(SamePoint(0.0, 0.0, 0.9e-8, 0.9e-8));
  EXPECT_FALSE(SamePoint(0.0, 0.0, 1.1e-8, 0.0));
  EXPECT_FALSE(SamePoint(0.0, 0.0, 0.0, -1.1e-8));
  EXPECT_TRUE(SamePoint(100.0, 100.0, 100.0 + 0.9e-8, 100.0 - 0.9e-8));
}

TEST(EllipsePoint, CircleTiltAndFlatness) {
  PointD p = EllipsePoint(10.0, 20.0, 5.0, 1.0, 0.0, 90.0);
  EXPECT_NEAR(p.x, 10.0, 1e-12);
  EXPECT_NEAR(p.y, 25.0, 1e-12);
  // Parameter angle 90 on a half-flat ellipse tilted by 90: the minor axis points to -x.
  PointD q = EllipsePoint(0.0, 0.0, 4.0, 0.5, 90.0, 90.0);
  EXPECT_NEAR(q.x, -2.0, 1e-12);
  EXPECT_NEAR(q.y, 0.0, 1e-12);
  PointD r = RotatePoint(2.0, 1.0, 1.0, 1.0, kPi / 2.0);
  EXPECT_NEAR(r.x, 1.0, 1e-12);
  EXPECT_NEAR(r.y, 2.0, 1e-12);
}

TEST(IntersectSegments, InsideOutsideAndParallel) {
  Intersection d = IntersectSegments(0, 0, 1, 1, 0, 1, 1, 0);
  EXPECT_EQ(d.code, IntersectCode::Inside);
  EXPECT_DOUBLE_EQ(d.x, 0.5);
  EXPECT_DOUBLE_EQ(d.y, 0.5);

  EXPECT_EQ(IntersectSegments(0, 0, 1, 1, 2, 2, 3, 3).code, IntersectCode::Parallel);
  EXPECT_EQ(IntersectSegments(0, 0, 0, 1, 5, 0, 5, 1).code, IntersectCode::Parallel);

  Intersection o = IntersectSegments(0, 0, 1, 0, 3, -1, 3, 1);
  EXPECT_EQ(o.code, IntersectCode::Outside);
  EXPECT_DOUBLE_EQ(o.x, 3.0);
  EXPECT_DOUBLE_EQ(o.y, 0.0);

  // A segment whose x extent is under the snapping step counts as vertical.
  Intersection v = IntersectSegments(2.0, -1.0, 2.0 + 0.4e-8, 1.0, 0, 0, 4, 0);
  EXPECT_EQ(v.code, IntersectCode::Inside);
  EXPECT_EQ(v.x, 2.0);
  // An end point just within the widened box still counts as inside.
  Intersection e = IntersectSegments(0, 0, 1, 0, 1.0 + 0.5e-8, -1, 1.0 + 0.5e-8, 1);
  EXPECT_EQ(e.code, IntersectCode::Inside);
}

}  // namespace
}  // namespace zf61
