// The scale at a place is the scale of the nearest piece, whatever the grid makes of the pieces:
// checked against every piece tried in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "fill/RealScale.h"
#include "model/Geometry.h"

namespace zf61 {
namespace {

double Distance(PointD p, const RoomPiece& piece) {
  return SegmentDistance(p, piece.a, piece.b);
}

// Each piece has a scale of its own (its index + 1), so the scale says which piece was found;
// the test passes when that piece is as near as the nearest.
void ExpectNearest(const std::vector<RoomPiece>& pieces, const RealScale& scale, PointD p) {
  double nearest = std::numeric_limits<double>::infinity();
  for (const RoomPiece& piece : pieces) nearest = std::min(nearest, Distance(p, piece));
  const double found = scale.scaleAt(p);
  ASSERT_GE(found, 1.0) << p.x << " " << p.y;
  const size_t index = static_cast<size_t>(found) - 1;
  ASSERT_LT(index, pieces.size());
  EXPECT_EQ(Distance(p, pieces[index]), nearest) << p.x << " " << p.y;
}

RealScale ScaleOf(const std::vector<RoomPiece>& pieces) {
  std::vector<double> scales;
  for (size_t i = 0; i < pieces.size(); ++i) scales.push_back(static_cast<double>(i + 1));
  return RealScale(pieces, scales);
}

TEST(RealScale, TheNearestPieceWhereverThePlace) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    auto uniform = [&](double low, double high) {
      return std::uniform_real_distribution<double>(low, high)(random);
    };
    const double origin = seed % 2 ? 0.0 : 1e8;
    std::vector<RoomPiece> pieces;
    for (int i = 0; i < 3000; ++i) {
      double x = origin + uniform(0, 1e5), y = origin + uniform(0, 4e4);
      switch (i % 5) {
        case 0:  // a wall across much of the drawing, over many cells both ways
          pieces.push_back({{x, y}, {x + uniform(-8e4, 8e4), y + uniform(-3e4, 3e4)}});
          break;
        case 1:  // a point
          pieces.push_back({{x, y}, {x, y}});
          break;
        default:  // a short wall
          pieces.push_back({{x, y}, {x + uniform(-900, 900), y + uniform(-900, 900)}});
      }
    }
    const RealScale scale = ScaleOf(pieces);
    for (int q = 0; q < 600; ++q) {
      const RoomPiece& piece = pieces[random() % pieces.size()];
      double t = uniform(0, 1);
      PointD on{piece.a.x + t * (piece.b.x - piece.a.x), piece.a.y + t * (piece.b.y - piece.a.y)};
      ExpectNearest(pieces, scale, on);
      ExpectNearest(pieces, scale, {on.x + uniform(-50, 50), on.y + uniform(-50, 50)});
      ExpectNearest(pieces, scale, {origin + uniform(-2e4, 1.2e5), origin + uniform(-2e4, 6e4)});
    }
    // Far outside the pieces.
    ExpectNearest(pieces, scale, {origin + 1e12, origin - 3e11});
  }
}

TEST(RealScale, NoPiecesOnePlaceAndPiecesThatAreNotNumbers) {
  EXPECT_EQ(RealScale().scaleAt({1, 2}), 1.0);
  EXPECT_EQ(ScaleOf({}).scaleAt({1, 2}), 1.0);

  // Every piece at one place: the grid has no extent.
  std::vector<RoomPiece> piled(5, RoomPiece{{7, 7}, {7, 7}});
  ExpectNearest(piled, ScaleOf(piled), {8, 9});

  // Pieces as far apart as doubles go.
  std::vector<RoomPiece> spread{
      {{-1.7e308, 0}, {-1.7e308, 1}}, {{1.7e308, 0}, {1.7e308, 1}}, {{0, 0}, {1, 1}}};
  for (PointD p : {PointD{1.6e308, 5}, PointD{2, 2}, PointD{-1e308, -1e308}}) {
    ExpectNearest(spread, ScaleOf(spread), p);
  }

  // Pieces with coordinates that are not numbers are never the nearest and do not spoil the
  // grid of the others.
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<RoomPiece> pieces;
  for (int i = 0; i < 200; ++i) {
    double x = (i % 20) * 100.0, y = (i / 20) * 100.0;
    pieces.push_back({{x, y}, {x + 60, y + 30}});
  }
  const std::vector<RoomPiece> finite = pieces;
  pieces.push_back({{0, 0}, {inf, 5}});
  pieces.push_back({{nan, 0}, {3, 5}});
  pieces.push_back({{-inf, -inf}, {inf, inf}});
  const RealScale scale = ScaleOf(pieces);
  for (double x = -150; x < 2100; x += 37) {
    for (double y = -150; y < 1100; y += 41) ExpectNearest(finite, scale, {x, y});
  }
}

}  // namespace
}  // namespace zf61
