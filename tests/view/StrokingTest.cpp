// Clipping, dash patterns and their continuity, zigzags and curves, checked on the exact
// primitives issued.
#include "view/Stroking.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/Numbers.h"
#include "support/RecordingCanvas.h"
#include "view/Clipping.h"
#include "view/EllipseFrame.h"
#include "view/PointDrawing.h"

namespace zf61 {
namespace {

using test::MakeView;
using test::RecordingCanvas;
using test::Segment;

struct Drawing {
  RecordingCanvas canvas{200, 100};
  ViewWindow view = MakeView(0, 0, 1.0, 200, 100);
  TgraAttribute att;
  DrawContext ctx{canvas, view, att};
};

TEST(Clipping, EdgesCornersAndRectangles) {
  ViewWindow v = MakeView(0, 0, 1.0, 200, 100);
  double x1 = 10, y1 = 100, x2 = 50, y2 = 100;  // on the top edge
  EXPECT_EQ(ClipSegment(v, x1, y1, x2, y2), ClipResult::Invisible);
  x1 = -10, y1 = 95, x2 = 5, y2 = 110;  // passes outside the top-left corner
  EXPECT_EQ(ClipSegment(v, x1, y1, x2, y2), ClipResult::Invisible);
  x1 = -50, y1 = 50, x2 = 250, y2 = 50;
  EXPECT_EQ(ClipSegment(v, x1, y1, x2, y2), ClipResult::Clipped);
  EXPECT_EQ(x1, 0.0);
  EXPECT_EQ(x2, 200.0);
  EXPECT_EQ(ClassifyRect(v, -10, -10, 300, 300), RectClass::Partly);
  EXPECT_EQ(ClassifyRect(v, 210, 10, 300, 30), RectClass::Outside);
  EXPECT_EQ(ClassifyRect(v, 10, 10, 30, 30), RectClass::Inside);
}

TEST(Clipping, RectanglesInsidePartlyAndOutside) {
  Drawing d;
  DrawClippedRect(d.ctx, 10, 10, 50, 40);  // inside: the rectangle primitive
  ASSERT_EQ(d.canvas.rectangles.size(), 1u);
  EXPECT_EQ(d.canvas.rectangles[0], (Segment{10, 90, 50, 60}));
  DrawClippedRect(d.ctx, -10, 10, 50, 40);  // partly: a polygon the window system clips
  EXPECT_EQ(d.canvas.polygons.size(), 1u);
  DrawClippedRect(d.ctx, 300, 10, 350, 40);  // beyond the right edge: nothing
  EXPECT_EQ(d.canvas.rectangles.size() + d.canvas.polygons.size(), 2u);
  EXPECT_TRUE(d.ctx.points.empty());
}

TEST(Stroking, DashedSegmentPiecesAndSolidShortPatterns) {
  Drawing d;
  // Line type 33 is 6 drawn, 6 gap: a 30-unit line at scale 1 has dashes at 0-6, 12-18, 24-30.
  StrokeSegment(d.ctx, 0, 33, 10, 50, 40, 50);
  ASSERT_EQ(d.canvas.segments.size(), 3u);
  EXPECT_EQ(d.canvas.segments[0], (Segment{10, 50, 16, 50}));
  EXPECT_EQ(d.canvas.segments[1], (Segment{22, 50, 28, 50}));
  EXPECT_EQ(d.canvas.segments[2], (Segment{34, 50, 40, 50}));
  EXPECT_EQ(d.canvas.pixelsSet, 3);  // every dash includes its end pixel
  // Line type 2 (1.44 mm) at scale 1.38 is at most 2 pixels long: drawn solid, state untouched.
  Drawing s;
  s.view.Scale = 1.38;
  StrokeSegment(s.ctx, 0, 2, 10, 10, 100, 10);
  EXPECT_EQ(s.canvas.segments.size(), 1u);
  EXPECT_EQ(s.ctx.stroke.lastLineType, -1);
}

TEST(Stroking, PatternContinuesOnlyAcrossJoinedSegmentsOfOneLayerAndType) {
  Drawing d;
  StrokeSegment(d.ctx, 3, 33, 10, 50, 19, 50);  // dash 10-16, gap 16-19 (3 of 6 used)
  StrokeSegment(d.ctx, 3, 33, 19, 50, 40, 50);  // gap goes on to 22, dash 22-28, 34-40
  ASSERT_EQ(d.canvas.segments.size(), 3u);
  EXPECT_EQ(d.canvas.segments[1], (Segment{22, 50, 28, 50}));
  Drawing other;
  StrokeSegment(other.ctx, 3, 33, 10, 50, 19, 50);
  StrokeSegment(other.ctx, 4, 33, 19, 50, 40, 50);  // another layer: restarts with a dash
  ASSERT_GE(other.canvas.segments.size(), 2u);
  EXPECT_EQ(other.canvas.segments[1], (Segment{19, 50, 25, 50}));
  Drawing apart;
  StrokeSegment(apart.ctx, 3, 33, 10, 50, 19, 50);
  StrokeSegment(apart.ctx, 3, 33, 19.000001, 50, 40, 50);  // more than 1e-10 away
  EXPECT_EQ(apart.canvas.segments[1].x1, 19);
}

TEST(Stroking, RandomLineTypesDrawAnUnbrokenZigzag) {
  Drawing d;
  d.view = MakeView(0, 0, 10.0, 200, 100);
  // Line type 11: pieces of 0.6 mm, amplitude 0.3 mm.
  StrokeSegment(d.ctx, 0, 11, 1, 5, 19, 5);
  const auto& s = d.canvas.segments;
  ASSERT_GT(s.size(), 10u);
  EXPECT_EQ(s.front().x1, 10);
  EXPECT_EQ(s.front().y1, 50);
  EXPECT_EQ(s.back().x2, 190);
  EXPECT_EQ(s.back().y2, 50);
  for (size_t i = 1; i < s.size(); ++i) {
    EXPECT_EQ(s[i].x1, s[i - 1].x2);
    EXPECT_EQ(s[i].y1, s[i - 1].y2);
  }
  // The first drawn piece bends to the left of the direction of travel (up on the screen).
  EXPECT_EQ(s.front().y2, 47);
}

TEST(Stroking, DashedCircleRunsOnAlongItsChords) {
  Drawing d;
  d.view = MakeView(0, 0, 4.0, 200, 100);
  StrokeEllipseArc(d.ctx, 0, 33, kTwoPi, 0, 0, 1, 10, 25, 12.5);
  // Half of the pattern is drawn, so about half the circumference (2 pi 10 mm at 4 px/mm);
  // a pattern restarting at every 0.87 mm chord would draw nearly all of it.
  double drawn = 0;
  for (const Segment& s : d.canvas.segments) drawn += std::hypot(s.x2 - s.x1, s.y2 - s.y1);
  EXPECT_NEAR(drawn, kPi * 10 * 4, 15.0);
}

TEST(Stroking, FarDashedLinesCostNoMoreThanTheWindow) {
  Drawing d;
  d.view = MakeView(0, 0, 1000.0, 200, 100);
  // A dashed line 1e12 units long at 1000 pixels per unit: only its visible part is walked.
  StrokeSegment(d.ctx, 0, 37, -5e11, 0.05, 5e11, 0.05);
  EXPECT_LE(d.canvas.segments.size(), 2u);
  for (const Segment& s : d.canvas.segments) {
    EXPECT_GE(s.x1, 0);
    EXPECT_LE(s.x2, 200);
    EXPECT_EQ(s.y1, 50);
  }
  // Pixel conversion saturates instead of overflowing 32 bits.
  PixelPoint far = d.view.DrawingToWindow(1e8, -1e8);
  EXPECT_EQ(far.x, RoundHalfAway(kPixelCoordinateLimit));
}

TEST(PointDrawing, PolylinesSplitWhereTheyLeaveTheView) {
  Drawing d;
  d.ctx.points = {{10, 10}, {50, 10}, {50, 200}, {60, 200}, {60, 10}, {90, 10}};
  DrawPointPolyline(d.ctx);
  // A piece ends where a segment had to be clipped.
  ASSERT_EQ(d.canvas.polylines.size(), 3u);
  EXPECT_EQ(d.canvas.polylines[0].size(), 3u);  // 10,10 - 50,10 - up to the top edge
  EXPECT_EQ(d.canvas.polylines[0][2].y, 0);
  EXPECT_EQ(d.canvas.polylines[1].size(), 2u);  // from the top edge down
  EXPECT_EQ(d.canvas.polylines[2].size(), 2u);  // then along
  // A polygon whose first edge is over 10000 pixels shows only its clipped outline.
  Drawing big;
  big.ctx.points = {{-20000, 10}, {20000, 10}, {0, 50}};
  FillPointPolygon(big.ctx);
  EXPECT_TRUE(big.canvas.polygons.empty());
  EXPECT_FALSE(big.canvas.polylines.empty());
  // Everything beyond one edge: nothing at all.
  Drawing none;
  none.ctx.points = {{-5, 1}, {-6, 50}, {-1, 20}};
  FillPointPolygon(none.ctx);
  EXPECT_TRUE(none.canvas.polygons.empty());
}

TEST(PointDrawing, SolidCurveShapes) {
  Drawing d;
  d.view = MakeView(-50, -50, 1.0, 200, 100);
  DrawSolidCurve(d.ctx, SolidCurveMode::Filled, 100, 1.0, 2.0, 0, 1, 10, 0, 0);
  ASSERT_EQ(d.canvas.polygons.size(), 1u);
  EXPECT_EQ(d.canvas.polygons[0].size(), 72u);  // whole ellipse whatever start and sweep
  DrawSolidCurve(d.ctx, SolidCurveMode::Filled, 0, kPi / 2, 0, 0, 1, 10, 0, 0);
  EXPECT_EQ(d.canvas.polygons[1].size(), 74u);  // sector: arc and centre
  DrawSolidCurve(d.ctx, SolidCurveMode::Filled, 5, kPi / 2, 0, 0, 1, 10, 0, 0);
  EXPECT_EQ(d.canvas.polygons[2].size(), 73u);
  DrawSolidCurve(d.ctx, SolidCurveMode::Filled, 1, kPi / 2, 0, 0, 1, 10, 0, 0);
  ASSERT_EQ(d.canvas.polygons[3].size(), 74u);
  // Tangents at (10, 0) and (0, 10) of a quarter circle meet at (10, 10).
  PixelPoint corner = d.view.DrawingToWindow(10, 10);
  EXPECT_EQ(d.canvas.polygons[3].back().x, corner.x);
  EXPECT_EQ(d.canvas.polygons[3].back().y, corner.y);
  DrawSolidCurve(d.ctx, SolidCurveMode::Ring, 5, kPi / 2, 0, 0, 1, 10, 0, 0);
  EXPECT_EQ(d.canvas.polygons[4].size(), 146u);
  EXPECT_TRUE(d.ctx.points.empty());
}

// The angle tables handed out again for the curve before (the most frequent case), after other
// tables and after the cache has been emptied for holding too many; and the points of frames with
// a zero tilt of either sign, which skip the cosine and sine, against EllipsePointRad.
TEST(CurveAngles, TablesAndUntiltedFramesGiveTheExactPoints) {
  CurveAngleCache cache;
  auto expectTable = [](const CurveAngles& table, double start, double sweep) {
    double theta = start;
    for (int i = 0; i < kCurvePoints; ++i) {
      if (i > 0) theta += sweep / (kCurvePoints - 1);
      ASSERT_EQ(table.cosines[i], std::cos(theta)) << start << " " << i;
      ASSERT_EQ(table.sines[i], std::sin(theta)) << start << " " << i;
    }
  };
  for (int i = 0; i < 5000; ++i) {  // more tables than are kept
    double start = 0.001 * i;
    expectTable(cache.angles(start, 1.5), start, 1.5);
    expectTable(cache.angles(start, 1.5), start, 1.5);
    expectTable(cache.angles(0.0, kTwoPi), 0.0, kTwoPi);
  }
  const CurveAngles& circle = cache.angles(0.0, kTwoPi);
  for (double tilt : {0.0, -0.0, 1e-300, -0.5}) {
    EllipseFrame frame(3.25, -7.5, 2.0, 0.75, tilt);
    for (int i = 0; i < kCurvePoints; ++i) {
      PointD p = frame.at(circle.cosines[i], circle.sines[i]);
      PointD q = EllipsePointRad(3.25, -7.5, 2.0, 0.75, tilt, i * (kTwoPi / (kCurvePoints - 1)));
      ASSERT_NEAR(p.x, q.x, 1e-12) << tilt << " " << i;
      ASSERT_NEAR(p.y, q.y, 1e-12) << tilt << " " << i;
      if (tilt == 0.0) {
        PointD u = frame.atUntilted(circle.cosines[i], circle.sines[i]);
        ASSERT_EQ(u.x, p.x) << i;
        ASSERT_EQ(u.y, p.y) << i;
      }
    }
    EXPECT_EQ(frame.untilted(), tilt == 0.0) << tilt;
  }
}

}  // namespace
}  // namespace zf61
