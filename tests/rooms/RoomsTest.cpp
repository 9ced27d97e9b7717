// Rooms: every bounded face of the drawing's arrangement, painted once with its holes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fill/Rooms.h"
#include "rooms/CgalRoomFinder.h"

namespace zf61 {
namespace {

struct Drawing {
  DrawingStore store;
  TgraAttribute att;

  void line(double x1, double y1, double x2, double y2) {
    LineFigure& l = store.appendLine();
    l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
  }
  void rectangle(double x0, double y0, double x1, double y1) {
    line(x0, y0, x1, y0), line(x1, y0, x1, y1), line(x1, y1, x0, y1), line(x0, y1, x0, y0);
  }
  void circle(double cx, double cy, double r) {
    CircleFigure& c = store.appendCircle();
    c.centreX = cx, c.centreY = cy, c.radius = r;
  }
  Rooms rooms(double gap = 0.0, int n = 24) {
    Rooms out;
    CgalRoomFinder finder;
    EXPECT_TRUE(finder.findRooms(CollectRoomPieces(store, att, n), gap, nullptr, out));
    return out;
  }
};

// Twice the signed area of a ring (shoelace).
double Area(const ClosedRegion& ring) {
  double twice = 0;
  for (size_t i = 0; i + 1 < ring.points.size(); ++i) {
    twice += ring.points[i].x * ring.points[i + 1].y - ring.points[i + 1].x * ring.points[i].y;
  }
  return std::fabs(twice) / 2;
}

TEST(Rooms, WallsMeetingInMidLineSharedWallsAndRepeatedOutlines) {
  Drawing t;  // one long outline and a wall from one long side to the other: a T at each end
  t.line(0, 0, 20, 0), t.line(20, 0, 20, 10), t.line(20, 10, 0, 10), t.line(0, 10, 0, 0);
  t.line(8, 0, 8, 10);
  Rooms split = t.rooms();
  EXPECT_EQ(split.roomCount, 2u);
  EXPECT_TRUE(split.openEnds.empty());
  double total = 0;
  for (const ClosedRegion& r : split.rings) total += Area(r);
  EXPECT_NEAR(total, 200.0, 1e-9);
  Drawing shared;  // two rooms of four lines each, sharing a side
  shared.rectangle(0, 0, 10, 10), shared.rectangle(10, 0, 20, 10);
  EXPECT_EQ(shared.rooms().roomCount, 2u);
  Drawing twice;  // an outline drawn twice, once backwards, and a side overlapping another
  twice.rectangle(0, 0, 10, 10), twice.rectangle(10, 10, 0, 0), twice.line(2, 0, 12, 0);
  Rooms once = twice.rooms();
  EXPECT_EQ(once.roomCount, 1u);
  EXPECT_EQ(once.rings.size(), 1u);
  EXPECT_EQ(once.openEnds.size(), 1u);  // the overlapping side's end beyond the corner
}

TEST(Rooms, GapsJoinWithinTheirWidthOnly) {
  Drawing d;  // a square whose last side stops 0.5 short of the first corner
  d.line(0, 0, 10, 0), d.line(10, 0, 10, 10), d.line(10, 10, 0, 10), d.line(0, 10, 0, 0.5);
  EXPECT_EQ(d.rooms(0.0).roomCount, 0u);
  EXPECT_EQ(d.rooms(0.0).openEnds.size(), 2u);
  EXPECT_EQ(d.rooms(0.4).roomCount, 0u);
  Rooms joined = d.rooms(1.0);
  EXPECT_EQ(joined.roomCount, 1u);
  EXPECT_TRUE(joined.openEnds.empty());
  Drawing wall;  // a wall ending 0.3 short of another wall's middle joins it there
  wall.rectangle(0, 0, 20, 10), wall.line(8, 0, 8, 9.7);
  EXPECT_EQ(wall.rooms(0.0).roomCount, 1u);
  EXPECT_EQ(wall.rooms(0.5).roomCount, 2u);
  Drawing near;  // ends 1e-6 apart meet only with a gap
  near.line(0, 0, 10, 0), near.line(10, 0, 10, 10), near.line(10, 10, 0, 10);
  near.line(0, 10, 0, 1e-6);
  EXPECT_EQ(near.rooms(0.0).roomCount, 0u);
  EXPECT_EQ(near.rooms(1e-5).roomCount, 1u);
}

TEST(Rooms, IslandsRingsGridsAndDoors) {
  Drawing nested;  // a room inside a room: the outer one is a ring with a hole, and the island
  nested.rectangle(0, 0, 30, 30), nested.rectangle(10, 10, 20, 20);
  Rooms two = nested.rooms();
  EXPECT_EQ(two.roomCount, 2u);
  EXPECT_EQ(two.rings.size(), 3u);  // outer ring, its hole, the island
  ASSERT_EQ(two.outerRings.size(), 2u);  // one room of one ring, one of two (with its hole)
  EXPECT_EQ(two.outerRings[0], 0u);
  EXPECT_EQ(Area(two.rings[two.outerRings[1]]), 900.0);
  Drawing circles;                  // concentric circles: a disc and a ring
  circles.circle(0, 0, 10), circles.circle(0, 0, 5);
  Rooms discs = circles.rooms();
  EXPECT_EQ(discs.roomCount, 2u);
  EXPECT_EQ(discs.rings.size(), 3u);
  Drawing grid;  // a 60 x 60 grid of long lines crossing each other
  for (int i = 0; i <= 60; ++i) grid.line(0, i, 60, i), grid.line(i, 0, i, 60);
  EXPECT_EQ(grid.rooms().roomCount, 3600u);
  Drawing door;  // a square room with a door leaf and its swing closing a corner
  door.rectangle(0, 0, 10, 10);
  door.line(0, 0, 0, 0);  // no length: left out
  door.line(2, 0, 2, 3);  // the open leaf
  ArcFigure& swing = door.store.appendArc();
  swing.centreX = 2, swing.centreY = 0, swing.radius = 3, swing.startAngle = 0;
  swing.endAngle = 90, swing.flatness = 1;
  Rooms split = door.rooms();
  EXPECT_EQ(split.roomCount, 2u);  // the swing's quarter and the rest of the room
}

TEST(Rooms, DegenerateAndAbsurdInputNeverBreaksIt) {
  Drawing d;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  d.line(nan, 0, 1, 1), d.line(0, inf, 1, 1), d.line(5, 5, 5, 5);
  d.line(0, 0, 10, 0), d.line(5, 0, 15, 0), d.line(0, 0, 15, 0);           // collinear overlaps
  d.line(20, 20, 30, 30), d.line(20, 30, 30, 20), d.line(25, 20, 25, 30);  // three through a point
  d.rectangle(1e8, 1e8, 1e8 + 3, 1e8 + 2);
  d.rectangle(-1e8, 1e8, -1e8 + 1e-3, 1e8 + 1e-3);
  Rooms r = d.rooms(0.25);
  EXPECT_EQ(r.roomCount, 2u);
  for (const ClosedRegion& ring : r.rings) {
    for (const PointD& p : ring.points) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
}

// Separate parts are found group by group and on two threads; what they find must not depend
// on it: every part once, in the order of the drawing's layout, and a stop leaves nothing.
TEST(Rooms, SeparatePartsAreFoundAsOneAndStopWhenAsked) {
  Drawing d;
  for (int i = 0; i < 300; ++i) d.rectangle(i * 10.0, 0, i * 10.0 + 8, 8);
  d.rectangle(0, 20, 3000, 3020);  // a large room with one spur: one open end, long walls
  d.line(0, 20, -5, 15);
  Rooms r = d.rooms();
  EXPECT_EQ(r.roomCount, 301u);
  ASSERT_EQ(r.outerRings.size(), 301u);  // rooms of both threads, each at its own rings
  for (size_t i = 0; i < r.outerRings.size(); ++i) EXPECT_EQ(r.outerRings[i], i);
  ASSERT_EQ(r.openEnds.size(), 1u);
  EXPECT_EQ(r.openEnds[0].x, -5);
  Rooms again = d.rooms();
  ASSERT_EQ(again.rings.size(), r.rings.size());
  for (size_t i = 0; i < r.rings.size(); ++i) {
    ASSERT_EQ(again.rings[i].points.size(), r.rings[i].points.size()) << i;
    EXPECT_EQ(again.rings[i].points[0].x, r.rings[i].points[0].x) << i;
    EXPECT_EQ(again.rings[i].points[0].y, r.rings[i].points[0].y) << i;
  }

  struct StopAt : TraceProgress {
    int calls = 0;
    int stopAt;
    explicit StopAt(int n) : stopAt(n) {}
    bool keepGoing(size_t, size_t) override { return ++calls < stopAt; }
  };
  for (int stopAt : {1, 2}) {
    StopAt stop(stopAt);
    Rooms stopped;
    CgalRoomFinder finder;
    EXPECT_FALSE(finder.findRooms(CollectRoomPieces(d.store, d.att, 24), 0.0, &stop, stopped));
    EXPECT_TRUE(stopped.rings.empty() && stopped.openEnds.empty() && stopped.roomCount == 0);
  }
}

}  // namespace
}  // namespace zf61
