// The finder against the plain way of finding rooms on seeded random drawings: walls on a grid
// that cross, meet in mid-line, overlap and repeat, oblique walls, many-sided rings, ends that
// miss each other by 1e-9 to 1e-3 of the drawing's size, near the origin and 1e8 from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "PlainRooms.h"
#include "rooms/CgalRoomFinder.h"

namespace zf61 {
namespace {

constexpr int kGrid = 12;  // the drawings' walls run between points of a 12 x 12 grid

class RandomDrawing {
 public:
  RandomDrawing(unsigned seed, double origin, bool nearMisses)
      : random_(seed), origin_(origin), nearMisses_(nearMisses) {}

  std::vector<RoomPiece> make() {
    for (int i = pick(1, 3); i > 0; --i) rectangle();
    for (int i = pick(2, 10); i > 0; --i) gridWall();
    for (int i = pick(0, 3); i > 0; --i) obliqueWall();
    if (pick(0, 3) == 0) ring();
    for (int i = pick(0, 4); i > 0 && !pieces_.empty(); --i) repeat();
    return pieces_;
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  double uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  PointD point(double x, double y) { return {origin_ + x, origin_ + y}; }
  PointD gridPoint() { return point(pick(0, kGrid), pick(0, kGrid)); }
  // Half of the ends, where near misses are wanted, moved by 1e-9 to 1e-3 of the size.
  PointD nudged(PointD p) {
    if (!nearMisses_ || pick(0, 1) == 0) return p;
    double d = kGrid * std::pow(10.0, uniform(-9, -3)), angle = uniform(0, 2 * kPi);
    return {p.x + d * std::cos(angle), p.y + d * std::sin(angle)};
  }
  void wall(PointD a, PointD b) { pieces_.push_back({nudged(a), nudged(b)}); }

  void rectangle() {
    int x0 = pick(0, kGrid - 1), y0 = pick(0, kGrid - 1);
    int x1 = pick(x0 + 1, kGrid), y1 = pick(y0 + 1, kGrid);
    wall(point(x0, y0), point(x1, y0)), wall(point(x1, y0), point(x1, y1));
    wall(point(x1, y1), point(x0, y1)), wall(point(x0, y1), point(x0, y0));
  }
  // Horizontal or vertical, so that walls stop on walls and run along them.
  void gridWall() {
    PointD a = gridPoint();
    int length = pick(1, kGrid);
    wall(a, pick(0, 1) ? PointD{a.x + length, a.y} : PointD{a.x, a.y + length});
  }
  void obliqueWall() { wall(gridPoint(), gridPoint()); }
  // A many-sided ring, like a circle's chords.
  void ring() {
    double cx = pick(2, kGrid - 2), cy = pick(2, kGrid - 2), r = uniform(0.5, 2.0);
    const int sides = 24;
    std::vector<PointD> corners;
    for (int i = 0; i < sides; ++i) {
      double a = 2 * kPi * i / sides;
      corners.push_back(point(cx + r * std::cos(a), cy + r * std::sin(a)));
    }
    for (int i = 0; i < sides; ++i) pieces_.push_back({corners[i], corners[(i + 1) % sides]});
  }
  // A wall drawn again: backwards, or the half of a wall along an axis (which lies on it
  // exactly).
  void repeat() {
    RoomPiece p = pieces_[pick(0, static_cast<int>(pieces_.size()) - 1)];
    if (pick(0, 1) && (p.a.x == p.b.x || p.a.y == p.b.y)) {
      pieces_.push_back({p.a, {(p.a.x + p.b.x) / 2, (p.a.y + p.b.y) / 2}});
    } else {
      pieces_.push_back({p.b, p.a});
    }
  }

  std::mt19937 random_;
  double origin_;
  bool nearMisses_;
  std::vector<RoomPiece> pieces_;
};

// Points made by the arrangement (where walls cross, where joins end) are exact inside, but
// their display values depend a little on how they were worked out (each is within 1e-11 of
// its size of the exact value): compared within 4e-11 of the drawing's size or their own.
bool Near(const PointD& p, const PointD& q) {
  auto close = [](double a, double b) {
    return std::fabs(a - b) <= 4e-11 * std::max<double>(kGrid, std::fabs(a));
  };
  return close(p.x, q.x) && close(p.y, q.y);
}

bool SamePoints(const std::vector<PointD>& a, const std::vector<PointD>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!Near(a[i], b[i])) return false;
  }
  return true;
}

// The same ring, wherever it starts.
bool SameRing(const ClosedRegion& r, const ClosedRegion& s) {
  const size_t n = r.points.size() - 1;  // without the closing point
  if (s.points.size() != r.points.size()) return false;
  for (size_t shift = 0; shift < n; ++shift) {
    bool same = true;
    for (size_t i = 0; i < n && same; ++i) same = Near(r.points[i], s.points[(i + shift) % n]);
    if (same) return true;
  }
  return false;
}

// The rings of room r: its outer ring, then its holes.
std::vector<ClosedRegion> RingsOf(const Rooms& rooms, size_t r) {
  size_t last = r + 1 < rooms.roomCount ? rooms.outerRings[r + 1] : rooms.rings.size();
  return {rooms.rings.begin() + rooms.outerRings[r], rooms.rings.begin() + last};
}

bool SameRoom(const std::vector<ClosedRegion>& a, const std::vector<ClosedRegion>& b) {
  if (a.size() != b.size() || !SameRing(a[0], b[0])) return false;
  std::vector<bool> used(b.size(), false);
  for (size_t i = 1; i < a.size(); ++i) {
    size_t j = 1;
    while (j < b.size() && (used[j] || !SameRing(a[i], b[j]))) ++j;
    if (j == b.size()) return false;
    used[j] = true;
  }
  return true;
}

// Every room of one is a room of the other, whatever their order.
bool SameRooms(const Rooms& a, const Rooms& b) {
  if (a.roomCount != b.roomCount) return false;
  std::vector<bool> used(b.roomCount, false);
  for (size_t r = 0; r < a.roomCount; ++r) {
    size_t s = 0;
    while (s < b.roomCount && (used[s] || !SameRoom(RingsOf(a, r), RingsOf(b, s)))) ++s;
    if (s == b.roomCount) return false;
    used[s] = true;
  }
  return true;
}

Rooms Find(const std::vector<RoomPiece>& pieces, double gap) {
  Rooms rooms;
  CgalRoomFinder finder;
  EXPECT_TRUE(finder.findRooms(pieces, gap, nullptr, rooms));
  return rooms;
}

std::vector<std::pair<double, double>> Places(const std::vector<PointD>& points) {
  std::vector<std::pair<double, double>> places;
  for (const PointD& p : points) places.emplace_back(p.x, p.y);
  return places;
}

std::vector<std::pair<double, double>> Sorted(std::vector<std::pair<double, double>> places) {
  std::sort(places.begin(), places.end());
  return places;
}

// Without near misses nothing is joined: the finder's rooms are the plain ones in the same
// order, each ring from the same point.
TEST(RoomsProperty, WithoutJoinsTheRoomsAreThePlainOnesInTheirOrder) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    for (double origin : {0.0, 1e8}) {
      std::vector<RoomPiece> pieces = RandomDrawing(seed, origin, false).make();
      Rooms found = Find(pieces, 0.0), plain = test::PlainRooms(pieces, 0.0);
      ASSERT_EQ(found.roomCount, plain.roomCount) << seed;
      EXPECT_EQ(found.outerRings, plain.outerRings) << seed;
      ASSERT_EQ(found.rings.size(), plain.rings.size()) << seed;
      for (size_t i = 0; i < found.rings.size(); ++i) {
        EXPECT_TRUE(SamePoints(found.rings[i].points, plain.rings[i].points)) << seed << " " << i;
      }
      EXPECT_EQ(Places(found.openEnds), Places(plain.openEnds)) << seed;
    }
  }
}

// With near misses and gaps the joins close rooms: the same rooms and the same open ends.
TEST(RoomsProperty, NearMissesJoinIntoThePlainRooms) {
  for (unsigned seed = 1; seed <= 80; ++seed) {
    for (double origin : {0.0, 1e8}) {
      std::vector<RoomPiece> pieces = RandomDrawing(seed, origin, true).make();
      for (double gap : {0.0, 1e-4, 0.3, 1.5}) {
        Rooms found = Find(pieces, gap), plain = test::PlainRooms(pieces, gap);
        EXPECT_EQ(found.roomCount, plain.roomCount) << seed << " gap " << gap;
        EXPECT_TRUE(SameRooms(found, plain)) << seed << " gap " << gap;
        EXPECT_EQ(Sorted(Places(found.openEnds)), Sorted(Places(plain.openEnds)))
            << seed << " gap " << gap;
      }
    }
  }
}

// Sizes and gaps at the ends of what doubles hold, and walls piled on one another, never break
// the grid of pieces or the joins.
TEST(RoomsProperty, HugeTinyAndPiledDrawingsNeverBreakIt) {
  auto square = [](double x0, double y0, double side) {
    return std::vector<RoomPiece>{{{x0, y0}, {x0 + side, y0}},
                                  {{x0 + side, y0}, {x0 + side, y0 + side}},
                                  {{x0 + side, y0 + side}, {x0, y0 + side}},
                                  {{x0, y0 + side}, {x0, y0}}};
  };
  const double inf = std::numeric_limits<double>::infinity();
  for (double gap : {0.0, 1.0, 1e300, inf, std::numeric_limits<double>::quiet_NaN()}) {
    for (auto [x0, side] : {std::pair{-1e300, 1e300}, std::pair{1e-300, 1e-300},
                            std::pair{1e8, 1e-3}, std::pair{0.0, 1e300}}) {
      std::vector<RoomPiece> pieces = square(x0, x0, side);
      pieces.push_back({{-1e300, -1e300}, {-1e300 + 1e286, -1e300}});  // far away, open
      EXPECT_EQ(Find(pieces, gap).roomCount, 1u) << x0 << " " << side << " gap " << gap;
    }
  }
  // A room drawn 3000 times (every other time backwards), its partition 1000 times, and 200
  // walls overlapping each other along its bottom side: two rooms.
  std::vector<RoomPiece> pile;
  for (int i = 0; i < 3000; ++i) {
    for (RoomPiece p : square(0, 0, 10)) pile.push_back(i % 2 ? RoomPiece{p.b, p.a} : p);
    if (i < 1000) pile.push_back({{5, 0}, {5, 10}});
    if (i < 200) pile.push_back({{i * 0.025, 0}, {i * 0.025 + 5, 0}});
  }
  Rooms piled = Find(pile, 0.5);
  EXPECT_EQ(piled.roomCount, 2u);
  EXPECT_EQ(piled.rings.size(), 2u);
}

}  // namespace
}  // namespace zf61
