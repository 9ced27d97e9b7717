// A plan large enough that its open ends, joins, split walls and curves are worked in several
// runs shared between the threads: every run's share must be there, once, and in its place.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/Geometry.h"
#include "rooms/CgalRoomFinder.h"

namespace zf61 {
namespace {

constexpr int kCells = 91;  // 16,655 pieces: open ends, joins, split walls, curves in runs
constexpr double kCell = 10.0;
constexpr double kMiss = 0.01;

// Columns of cells between walls made of one piece a cell; across each column, at every cell's
// mid-height, a wall from its left wall that stops just short of its right wall. Without joins
// each column is one room; joined, every cell is closed, half cells at the top and bottom.
std::vector<RoomPiece> MissingPlan(double origin) {
  std::vector<RoomPiece> pieces;
  const double side = kCells * kCell;
  auto add = [&](double x1, double y1, double x2, double y2) {
    pieces.push_back({{origin + x1, origin + y1}, {origin + x2, origin + y2}});
  };
  add(0, 0, side, 0), add(0, side, side, side);
  for (int col = 0; col <= kCells; ++col) {
    for (int row = 0; row < kCells; ++row)
      add(col * kCell, row * kCell, col * kCell, (row + 1) * kCell);
  }
  for (int row = 0; row < kCells; ++row) {
    const double y = row * kCell + kCell / 2;
    for (int col = 0; col < kCells; ++col) add(col * kCell, y, (col + 1) * kCell - kMiss, y);
  }
  return pieces;
}

double Area(const ClosedRegion& ring) {
  return std::fabs(TwiceSignedArea(ring.points.data(), ring.points.size())) / 2;
}

TEST(RoomsSharedWork, EveryRunOfALargePlanIsThereOnce) {
  for (double origin : {0.0, 1e8}) {
    const std::vector<RoomPiece> pieces = MissingPlan(origin);
    CgalRoomFinder finder;
    Rooms columns, cells, again;
    ASSERT_TRUE(finder.findRooms(pieces, 0.0, nullptr, columns));
    EXPECT_EQ(columns.roomCount, size_t(kCells)) << origin;

    ASSERT_TRUE(finder.findRooms(pieces, 2 * kMiss, nullptr, cells));
    ASSERT_EQ(cells.roomCount, size_t(kCells) * (kCells + 1)) << origin;
    EXPECT_TRUE(cells.openEnds.empty()) << origin;
    size_t halves = 0;
    for (size_t room = 0; room < cells.roomCount; ++room) {
      const size_t first = cells.outerRings[room];
      const size_t last =
          room + 1 < cells.roomCount ? cells.outerRings[room + 1] : cells.rings.size();
      ASSERT_EQ(last - first, 1u) << origin << " room " << room;  // no holes
      const double area = Area(cells.rings[first]);
      const bool half = std::fabs(area - kCell * kCell / 2) < 1e-3;
      EXPECT_TRUE(half || std::fabs(area - kCell * kCell) < 1e-3) << origin << " " << area;
      halves += half;
    }
    EXPECT_EQ(halves, 2u * kCells) << origin;

    // Shared differently between the threads, the same rooms in the same order.
    ASSERT_TRUE(finder.findRooms(pieces, 2 * kMiss, nullptr, again));
    ASSERT_EQ(again.rings.size(), cells.rings.size());
    for (size_t i = 0; i < cells.rings.size(); ++i) {
      ASSERT_EQ(again.rings[i].points.size(), cells.rings[i].points.size()) << i;
      for (size_t k = 0; k < cells.rings[i].points.size(); ++k) {
        ASSERT_EQ(again.rings[i].points[k].x, cells.rings[i].points[k].x) << i;
        ASSERT_EQ(again.rings[i].points[k].y, cells.rings[i].points[k].y) << i;
      }
    }
  }
}

}  // namespace
}  // namespace zf61
