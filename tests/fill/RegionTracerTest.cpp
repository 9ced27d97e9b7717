// The tracer's rules on small drawings, each checked with both the indexed and the plain search.
#include "fill/RegionTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "exchange/ExchangeReader.h"

namespace zf61 {
namespace {

struct Traced {
  std::vector<ClosedRegion> regions;
  size_t size() const { return regions.size(); }
  const std::vector<PointD>& operator[](size_t i) const { return regions[i].points; }
};

Traced Trace(const DrawingStore& store, int n = 24, const TgraAttribute* att = nullptr) {
  TgraAttribute plain;
  const TgraAttribute& a = att ? *att : plain;
  RegionTracer indexed(store, a), reference(store, a);
  indexed.setArcDivisionCount(n);
  reference.setArcDivisionCount(n);
  indexed.traceRegions(TraceMethod::Indexed);
  reference.traceRegions(TraceMethod::Reference);
  EXPECT_EQ(indexed.tracedRegions(), reference.tracedRegions());
  return {indexed.tracedRegions()};
}

DrawingStore Drawing(std::initializer_list<const char*> lines) {
  DrawingStore store;
  ExchangeReader reader(store);
  for (const char* line : lines) reader.parseLine(line);
  return store;
}

TEST(RegionTracer, EarlyStopAndSingleCurves) {
  EXPECT_EQ(Trace(Drawing({"0 0 1 0", "1 0 0 0"})).size(), 0u);
  Traced circle = Trace(Drawing({"ci 0 0 10"}), 24);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].size(), 25u);
  EXPECT_DOUBLE_EQ(circle[0][0].x, 10.0);
  Traced triangle = Trace(Drawing({"ci 0 0 10"}), 3);
  EXPECT_EQ(triangle[0].size(), 4u);
  // A sweep of 360 is a closed curve whose points start at parameter 0, not at its start.
  Traced ellipse = Trace(Drawing({"ci 0 0 10 90 450 0.5 0"}), 4);
  ASSERT_EQ(ellipse.size(), 1u);
  EXPECT_DOUBLE_EQ(ellipse[0][0].x, 10.0);
  EXPECT_NEAR(ellipse[0][1].y, 5.0, 1e-12);
  // n is clamped to 3..3600.
  DrawingStore s = Drawing({"ci 0 0 1"});
  TgraAttribute att;
  RegionTracer t(s, att);
  t.setArcDivisionCount(1);
  EXPECT_EQ(t.arcDivisionCount(), 3);
  t.setArcDivisionCount(99999);
  EXPECT_EQ(t.arcDivisionCount(), 3600);
}

TEST(RegionTracer, SquaresReversedSidesAndSpurs) {
  Traced square = Trace(Drawing({"0 0 10 0", "10 0 10 10", "10 10 0 10", "0 10 0 0"}));
  ASSERT_EQ(square.size(), 1u);
  EXPECT_EQ(square[0].size(), 5u);
  Traced reversed = Trace(Drawing({"0 0 10 0", "10 10 10 0", "10 10 0 10", "0 0 0 10"}));
  ASSERT_EQ(reversed.size(), 1u);
  EXPECT_EQ(reversed[0].size(), 5u);
  EXPECT_EQ(reversed[0][2].y, 10.0);  // followed backwards: (10,0) -> (10,10)
  // A spur from a corner, tried first from the first start: that start fails, a later side
  // finds the rectangle.
  Traced spur = Trace(Drawing({"0 0 20 0", "0 0 -5 -5", "20 0 20 10", "20 10 0 10", "0 10 0 0"}));
  ASSERT_EQ(spur.size(), 1u);
  EXPECT_EQ(spur[0].size(), 5u);
  // A spur at a later corner is backed out of and the loop still closes from the same start.
  Traced later =
      Trace(Drawing({"0 0 20 0", "20 0 20 10", "20 10 30 15", "20 10 0 10", "0 10 0 0"}));
  ASSERT_EQ(later.size(), 1u);
  EXPECT_EQ(later[0][0].x, 0.0);
}

TEST(RegionTracer, SpursFirstTriangleGivesNothing) {
  Traced t =
      Trace(Drawing({"0 0 -5 -5", "10 0 15 -5", "5 8 5 15", "0 0 10 0", "10 0 5 8", "5 8 0 0"}));
  EXPECT_EQ(t.size(), 0u);
}

TEST(RegionTracer, SharedSidesGiveExactlyOneRegion) {
  Traced t = Trace(Drawing({"0 0 10 0", "10 0 10 10", "10 10 0 10", "0 10 0 0", "10 0 20 0",
                            "20 0 20 10", "20 10 10 10"}));
  EXPECT_EQ(t.size(), 1u);
}

TEST(RegionTracer, HalfEllipseClosedByItsDiameter) {
  // The line comes first, then the arc is followed backwards from its end.
  Traced forward = Trace(Drawing({"ci 0 0 10 0 180 0.5 0", "-10 0 10 0"}), 12);
  ASSERT_EQ(forward.size(), 1u);
  EXPECT_EQ(forward[0].size(), 14u);  // n + 2
  Traced backward = Trace(Drawing({"ci 0 0 10 0 180 0.5 0", "10 0 -10 0"}), 12);
  ASSERT_EQ(backward.size(), 1u);
  EXPECT_EQ(backward[0].size(), 14u);
  EXPECT_NEAR(backward[0][2].y, 10 * 0.5 * std::sin(15 * kPi / 180), 1e-12);
}

TEST(RegionTracer, ToleranceAfterTheGroupScale) {
  Traced meets =
      Trace(Drawing({"0 0 10 0", "10 0 10 10", "10 10 0 10", "0 10 0.000000009 0.000000009"}));
  EXPECT_EQ(meets.size(), 1u);
  Traced misses = Trace(Drawing({"0 0 10 0", "10 0 10 10", "10 10 0 10", "0 10 0 0.000000011"}));
  EXPECT_EQ(misses.size(), 0u);
  // In a group of scale 100 the stored ends may differ by 0.9e-6.
  Traced scaled =
      Trace(Drawing({"hs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "0 0 1000 0", "1000 0 1000 1000",
                     "1000 1000 0 1000", "0 1000 0.0000009 0.0000009"}));
  ASSERT_EQ(scaled.size(), 1u);
  EXPECT_EQ(scaled[0][1].x, 10.0);
}

TEST(RegionTracer, HiddenLayersAndZ3TakeNoPart) {
  DrawingStore s = Drawing({"0 0 10 0", "10 0 10 10", "10 10 0 10", "ly5", "0 10 0 0", "ly0",
                            "ci 50 50 5", "z3", "ci 80 80 5"});
  EXPECT_EQ(Trace(s).size(), 2u);  // the square and the first circle
  TgraAttribute att;
  att.SetLayerDrawState(5, 3);
  EXPECT_EQ(Trace(s, 24, &att).size(), 1u);  // the open square closes nothing
}

}  // namespace
}  // namespace zf61
