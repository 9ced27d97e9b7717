#include "model/UnitGraAtt.h"

#include <gtest/gtest.h>

namespace zf61 {
namespace {

TEST(TgraAttribute, PenColoursForBothBackgrounds) {
  TgraAttribute att;
  EXPECT_EQ(att.PenColour(1), MakeColour(0, 192, 192));
  EXPECT_EQ(att.PenColour(8), MakeColour(255, 0, 128));
  EXPECT_EQ(att.PenColour(116), MakeColour(128, 128, 128));
  EXPECT_EQ(att.PenColour(117), kBlack);
  EXPECT_EQ(att.PenColour(356), kBlack);
  for (int n : {0, 10, 100, 357, -1}) {
    EXPECT_EQ(att.PenColour(n), kWhite) << n;
    EXPECT_EQ(att.PenWidth(n), 0.0) << n;
  }
  att.SetBackground(1);
  att.RecomputeColours();
  EXPECT_EQ(att.BackgroundColour(), kBlack);
  EXPECT_EQ(att.PenColour(117), kWhite);
  EXPECT_EQ(att.PenColour(6), MakeColour(32, 32, 255));
  EXPECT_EQ(att.PenColour(9), MakeColour(192, 128, 128));
  EXPECT_EQ(att.PenColour(0), kBlack);
  // An unknown background changes nothing; recomputing keeps the black table.
  att.SetBackground(2);
  att.RecomputeColours();
  EXPECT_EQ(att.BackgroundIndex(), 1);
  EXPECT_EQ(att.PenColour(2), kWhite);
}

TEST(TgraAttribute, PenWidthsAndIndices) {
  TgraAttribute att;
  EXPECT_EQ(att.PenWidth(1), 0.1);
  EXPECT_EQ(att.PenWidth(8), 0.5);
  EXPECT_EQ(att.PenWidth(9), 0.01);
  EXPECT_EQ(att.PenWidth(101), 0.18);
  EXPECT_EQ(TgraAttribute::PenIndex(101), 9);
  EXPECT_EQ(TgraAttribute::PenIndex(356), 264);
  EXPECT_EQ(TgraAttribute::LineTypeIndex(19), 17);
  EXPECT_EQ(TgraAttribute::LineTypeIndex(31), 18);
  EXPECT_EQ(TgraAttribute::LineTypeIndex(62), 49);
  EXPECT_EQ(TgraAttribute::LineTypeIndex(63), -1);
}

TEST(TgraAttribute, LineTypePatterns) {
  TgraAttribute att;
  for (int n : {1, 10, 20, 31, 46, 62, 63, 0, -3}) EXPECT_EQ(att.LineTypePieceCount(n), 0) << n;
  double pieces[kMaxPieces] = {};
  ASSERT_EQ(att.LineTypePieces(5, pieces), 5);
  EXPECT_EQ(pieces[0], 5 * 0.36);
  EXPECT_EQ(pieces[1], -2 * 0.36);
  EXPECT_NEAR(att.LineTypePatternLength(2), 1.44, 1e-12);
  EXPECT_NEAR(att.LineTypePatternLength(9), 1.44, 1e-12);
  EXPECT_NEAR(att.LineTypePatternLength(6), 11.52, 1e-12);
  EXPECT_NEAR(att.LineTypePatternLength(17), 28.4, 1e-12);
  EXPECT_NEAR(att.LineTypePatternLength(45), 20.25, 1e-12);
  EXPECT_EQ(att.LineTypePieces(20, pieces), 0);
  // Random types: 32 pieces of one unit, drawn for "2" and gaps for "0".
  ASSERT_EQ(att.LineTypePieces(12, pieces), 32);
  EXPECT_EQ(pieces[0], 1.2);
  EXPECT_EQ(pieces[2], -1.2);
  EXPECT_NEAR(att.LineTypePatternLength(11), 19.2, 1e-12);
  EXPECT_NEAR(att.LineTypePatternLength(15), 96.0, 1e-12);
  EXPECT_EQ(att.LineTypeAmplitude(11), 0.3);
  EXPECT_EQ(att.LineTypeAmplitude(12), 0.3);
  EXPECT_EQ(att.LineTypeAmplitude(14), 0.6);
  EXPECT_EQ(att.LineTypeAmplitude(5), 0.0);
}

TEST(TgraAttribute, LayersAndFigureColour) {
  TgraAttribute att;
  EXPECT_EQ(att.LayerDrawState(-1), 1);
  EXPECT_EQ(att.LayerDrawState(256), 1);
  EXPECT_EQ(att.layers()[0x3A].groupLabel, "[3] ");
  EXPECT_EQ(att.layers()[0x3A].layerLabel, "(A) ");
  EXPECT_EQ(att.FigureColour(5, 102), MakeColour(255, 0, 0));
}

}  // namespace
}  // namespace zf61
