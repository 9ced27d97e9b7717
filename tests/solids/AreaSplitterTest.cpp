// Painted areas split into solids: holes stay open, overlaps of closed figures stay unpainted
// (even-odd), rooms sharing a wall are painted whole but stay separate parts, and on random
// rings the pieces cover exactly what the fill paints, without overlapping.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fill/RoomLocator.h"
#include "solids/CgalAreaSplitter.h"

namespace zf61 {
namespace {

ClosedRegion Rectangle(double x0, double y0, double x1, double y1) {
  return {{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}};
}

double PieceArea(const SolidPiece& piece) {
  double twice = 0;
  for (int k = 0; k < piece.count; ++k) {
    const PointD &a = piece.corners[k], &b = piece.corners[(k + 1) % piece.count];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

// Strictly inside, by a margin: points on a shared side belong to neither piece.
bool StrictlyIn(const SolidPiece& piece, PointD p) {
  for (int k = 0; k < piece.count; ++k) {
    const PointD &a = piece.corners[k], &b = piece.corners[(k + 1) % piece.count];
    if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) <= 1e-9) return false;
  }
  return true;
}

SplitArea Split(const std::vector<ClosedRegion>& rings) {
  CgalAreaSplitter splitter;
  SplitArea area;
  EXPECT_TRUE(splitter.split(rings, area));
  for (const SolidPiece& piece : area.pieces) {
    EXPECT_TRUE(piece.count == 3 || piece.count == 4);
    EXPECT_GT(PieceArea(piece), 0);  // counter-clockwise, never flat
    if (piece.count == 4) {          // convex: every corner turns left
      for (int k = 0; k < 4; ++k) {
        const PointD &a = piece.corners[k], &b = piece.corners[(k + 1) % 4],
                     &c = piece.corners[(k + 2) % 4];
        EXPECT_GT((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x), 0);
      }
    }
  }
  return area;
}

double Total(const SplitArea& area) {
  double sum = 0;
  for (const SolidPiece& piece : area.pieces) sum += PieceArea(piece);
  return sum;
}

TEST(AreaSplitter, HolesOverlapsSharedWallsAndWallsStandingFree) {
  SplitArea square = Split({Rectangle(0, 0, 10, 10)});
  EXPECT_EQ(square.pieces.size(), 1u);  // two triangles merged into one quadrangle
  EXPECT_EQ(square.pieces[0].count, 4);
  SplitArea holed = Split({Rectangle(0, 0, 10, 10), Rectangle(3, 3, 6, 7)});
  EXPECT_NEAR(Total(holed), 100 - 12, 1e-9);
  ASSERT_EQ(holed.parts.size(), 1u);
  EXPECT_NEAR(holed.parts[0].area, 88, 1e-9);
  EXPECT_EQ(holed.parts[0].boundary.size(), 8u);
  // Two closed figures overlapping by 2 x 10: the overlap stays unpainted.
  SplitArea overlap = Split({Rectangle(0, 0, 10, 10), Rectangle(8, 0, 18, 10)});
  EXPECT_NEAR(Total(overlap), 200 - 40, 1e-9);
  // Two rooms sharing a wall: painted whole, two parts of their own.
  SplitArea rooms = Split({Rectangle(0, 0, 10, 10), Rectangle(10, 0, 20, 10)});
  EXPECT_NEAR(Total(rooms), 200, 1e-9);
  ASSERT_EQ(rooms.parts.size(), 2u);
  EXPECT_NEAR(rooms.parts[0].area, 100, 1e-9);
  // A room whose ring runs out along a wall standing free in it and back: one part, whole.
  ClosedRegion withSpur = {{{0, 0}, {10, 0}, {10, 10}, {5, 10}, {5, 4}, {5, 10}, {0, 10}, {0, 0}}};
  SplitArea spur = Split({withSpur});
  EXPECT_NEAR(Total(spur), 100, 1e-9);
  ASSERT_EQ(spur.parts.size(), 1u);
  EXPECT_EQ(spur.parts[0].boundary.size(), 6u);  // three sides, two halves of one, the spur
  // A wall standing free in a room (its ring runs there and back): the room is whole, the wall
  // one of its walls.
  SplitArea free = Split({Rectangle(0, 0, 10, 10), {{{4, 5}, {6, 5}, {4, 5}}}});
  EXPECT_NEAR(Total(free), 100, 1e-9);
  ASSERT_EQ(free.parts.size(), 1u);
  EXPECT_EQ(free.parts[0].boundary.size(), 5u);
  // Nothing that encloses anything, and absurd points, give nothing and no failure.
  EXPECT_TRUE(Split({{{{0, 0}, {1, 1}, {0, 0}}}, {{{NAN, 0}, {1, 0}, {1, 1}}}}).pieces.empty());
}

// Random rings, some crossing themselves and each other: the pieces cover what the even-odd
// fill paints to within 0.5 % of the area both ways and never overlap.
TEST(AreaSplitter, RandomRingsAreCoveredExactlyByTheEvenOddRule) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> coordinate(0, 100);
  for (int round = 0; round < 8; ++round) {
    std::vector<ClosedRegion> rings;
    for (int r = 0; r < 6; ++r) {
      ClosedRegion ring;
      int corners = 3 + static_cast<int>(random() % 6);
      for (int k = 0; k < corners; ++k)
        ring.points.push_back({coordinate(random), coordinate(random)});
      ring.points.push_back(ring.points.front());
      rings.push_back(ring);
    }
    SplitArea area = Split(rings);
    int painted = 0, missed = 0, extra = 0, twice = 0;
    std::uniform_real_distribution<double> jitter(0, 0.5);
    for (int i = 0; i < 200; ++i) {
      for (int j = 0; j < 200; ++j) {
        PointD p{i * 0.5 + jitter(random), j * 0.5 + jitter(random)};
        int inside = 0;
        for (const ClosedRegion& ring : rings) inside += InsideRing(ring, p);
        int covered = 0;
        for (const SolidPiece& piece : area.pieces) covered += StrictlyIn(piece, p);
        bool even = inside % 2 == 0;
        painted += !even;
        missed += !even && covered == 0;
        extra += even && covered > 0;
        twice += covered > 1;
      }
    }
    ASSERT_GT(painted, 0);
    EXPECT_LE(missed, painted / 200) << round;
    EXPECT_LE(extra, painted / 200) << round;
    EXPECT_EQ(twice, 0) << round;
  }
}

}  // namespace
}  // namespace zf61
