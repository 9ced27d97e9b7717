#include "model/DrawingStore.h"

#include <gtest/gtest.h>

namespace zf61 {
namespace {

TEST(DrawingStore, DefaultsAfterInitialise) {
  DrawingStore store;
  store.appendLine();
  store.current.colour = 5;
  store.settings.bzFlag = true;
  store.initialise();
  EXPECT_EQ(store.figureCount(), 0u);
  EXPECT_TRUE(store.lines.empty());
  EXPECT_FALSE(store.settings.bzFlag);
  for (double scale : store.settings.groupScale) EXPECT_EQ(scale, 1.0);
  EXPECT_EQ(store.settings.textStyles[9].width, 3.0);
  EXPECT_EQ(store.settings.textStyles[0].colour, 2);
  EXPECT_EQ(store.settings.hzsValues[0], 1216.0);
  EXPECT_EQ(store.current.colour, 1);
  EXPECT_EQ(store.current.lineType, 1);
  EXPECT_EQ(store.current.fontName, "<\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e>");
  EXPECT_EQ(store.current.charWidth, 2.0);
}

TEST(DrawingStore, AppendCopiesCurrentAttributesAndRecordsOrder) {
  DrawingStore store;
  store.current.group = 3;
  store.current.layer = 15;
  store.current.colour = 6;
  store.current.lineType = 2;
  store.current.lineWidth = 35;
  store.current.flags = 4;
  store.current.hhpIndex = 9;
  store.appendCircle();
  LineFigure& line = store.appendLine();
  EXPECT_EQ(line.header.group, 3);
  EXPECT_EQ(line.header.layer, 15);
  EXPECT_EQ(line.header.LayerIndex(), 63);
  EXPECT_EQ(line.header.colour, 6);
  EXPECT_EQ(line.header.lineType, 2);
  EXPECT_EQ(line.header.lineWidth, 35);
  EXPECT_EQ(line.header.flags, 4);
  EXPECT_EQ(line.header.hhpIndex, 9);
  store.appendSolidCurve(FigureKind::SolidCurveSo);
  ASSERT_EQ(store.figureOrder.size(), 3u);
  EXPECT_EQ(store.figureOrder[0].kind, FigureKind::Circle);
  EXPECT_EQ(store.figureOrder[1].kind, FigureKind::Line);
  EXPECT_EQ(store.figureOrder[2].kind, FigureKind::SolidCurveSo);
  EXPECT_EQ(store.figureOrder[2].index, 0);
  EXPECT_EQ(store.solidCurves(FigureKind::SolidCurveSo).size(), 1u);
  EXPECT_TRUE(store.solidCurves(FigureKind::SolidCurveSc).empty());
}

TEST(DrawingStore, NothingLostAcrossTheThousandBoundary) {
  DrawingStore store;
  for (int i = 0; i < 2001; ++i) store.appendLine().x1 = i;
  ASSERT_EQ(store.lines.size(), 2001u);
  for (int i = 0; i < 2001; ++i) ASSERT_EQ(store.lines[i].x1, i);
  EXPECT_EQ(store.figureOrder[1000].index, 1000);
  EXPECT_EQ(store.lines[1000].y2, 0.0);  // zero-filled
}

TEST(DrawingStore, ResetAttributesKeepsFiguresAndModes) {
  DrawingStore store;
  store.current.colour = 7;
  store.current.group = 2;
  store.current.fontName.assign(3, 'x');
  store.current.flags = 3;
  store.current.inChain = true;
  store.current.chainCounter = 4;
  store.current.hhpIndex = 8;
  store.settings.first.colourSeen = true;
  store.appendLine();
  store.resetAttributes();
  EXPECT_EQ(store.current.colour, 1);
  EXPECT_EQ(store.current.group, 0);
  EXPECT_EQ(store.current.fontName, CurrentAttributes::kDefaultFontName);
  EXPECT_EQ(store.current.flags, 3);
  EXPECT_TRUE(store.current.inChain);
  EXPECT_EQ(store.current.chainCounter, 4);
  EXPECT_EQ(store.current.hhpIndex, 8);
  EXPECT_FALSE(store.settings.first.colourSeen);
  EXPECT_EQ(store.lines.size(), 1u);
}

TEST(DrawingStore, OutputLinesAreCutAt255Bytes) {
  DrawingStore store;
  store.appendOutputLine(std::string(300, 'a'));
  store.appendOutputLine("bz");
  ASSERT_EQ(store.outputLines.size(), 2u);
  EXPECT_EQ(store.outputLines[0].size(), 255u);
  EXPECT_EQ(store.outputLines[1], "bz");
  store.release();
  EXPECT_TRUE(store.outputLines.empty());
}

TEST(DrawingStore, GroupDivisorIsOneWithBz) {
  DrawingStore store;
  store.settings.groupScale[3] = 50.0;
  EXPECT_EQ(store.groupDivisor(3), 50.0);
  store.settings.bzFlag = true;
  EXPECT_EQ(store.groupDivisor(3), 1.0);
}

}  // namespace
}  // namespace zf61
