// Separating the pieces into groups sorts them by where they begin; on a large group that sort is
// done bucket by bucket, and must come out as one sort would, ties in the drawing's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "rooms/PieceGroups.h"

namespace zf61 {
namespace {

double Low(const RoomPiece& p) {
  return std::min(p.a.y, p.b.y);
}

bool SamePiece(const RoomPiece& p, const RoomPiece& q) {
  return p.a.x == q.a.x && p.a.y == q.a.y && p.b.x == q.b.x && p.b.y == q.b.y;
}

TEST(PieceGroups, AGroupComesOutInTheOrderOfOneSort) {
  std::mt19937 random(7);
  auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  // Lows from a few repeated values (a quarter), spread over 1e8 (into most buckets), and in the
  // second round a handful at the ends of what doubles hold, which leave nearly all in one bucket;
  // everything crosses y = 0 and a long wall along it, so that nothing separates.
  for (double extreme : {0.0, 1e300}) {
    std::vector<RoomPiece> pieces{{{-1, 0}, {2e3, 0}}};
    for (int i = 0; i < 20000; ++i) {
      const double x = uniform(0, 1000);
      double low = -1.0 - std::floor(uniform(0, 8));  // ties
      if (i % 4 != 0) low = -1e8 * uniform(0, 1);
      if (i % 1000 == 2 && extreme > 0) low = -extreme * uniform(0.5, 1.0);
      if (i % 2) {
        pieces.push_back({{x, low}, {x + uniform(-1, 1), 1}});
      } else {
        pieces.push_back({{x, 1}, {x + uniform(-1, 1), low}});
      }
    }
    const std::vector<std::vector<RoomPiece>> groups = rooms::SeparateGroups(pieces, 0.5);
    ASSERT_EQ(groups.size(), 1u) << extreme;
    std::vector<RoomPiece> expected = pieces;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const RoomPiece& p, const RoomPiece& q) { return Low(p) < Low(q); });
    ASSERT_EQ(groups[0].size(), expected.size()) << extreme;
    for (size_t i = 0; i < expected.size(); ++i) {
      ASSERT_TRUE(SamePiece(groups[0][i], expected[i])) << extreme << " at " << i;
    }
  }
}

}  // namespace
}  // namespace zf61
