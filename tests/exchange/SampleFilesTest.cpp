// The reader on real exchange files written by Jw_cad or by people who use it.
#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/ExchangeReader.h"

namespace zf61 {
namespace {

const std::filesystem::path kSamples = ZF61_SAMPLES_DIR;

DrawingStore ReadSample(const char* name) {
  DrawingStore store;
  ExchangeReader reader(store);
  EXPECT_TRUE(reader.readExchangeFile(kSamples / name)) << name;
  return store;
}

TEST(SampleFiles, EveryCaptureLoads) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSamples)) {
    if (entry.path().extension() != ".txt") continue;
    DrawingStore store;
    ExchangeReader reader(store);
    EXPECT_TRUE(reader.readExchangeFile(entry.path())) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 10);
}

TEST(SampleFiles, GenuineJwCad1036LineCapture) {
  DrawingStore s = ReadSample("jw1036_line_capture.txt");
  ASSERT_EQ(s.figureCount(), 1u);
  ASSERT_EQ(s.lines.size(), 1u);
  const LineFigure& line = s.lines[0];
  EXPECT_EQ(line.x1, -5000.0);
  EXPECT_EQ(line.y1, 0.0);
  EXPECT_EQ(line.x2, 5000.0);
  EXPECT_EQ(line.y2, 0.0);
  EXPECT_EQ(line.header.group, 0);
  EXPECT_EQ(line.header.layer, 0);
  EXPECT_EQ(line.header.colour, 2);
  EXPECT_EQ(line.header.lineType, 1);
  EXPECT_EQ(line.chainNumber, 0);
  for (double scale : s.settings.groupScale) EXPECT_EQ(scale, 100.0);
  EXPECT_EQ(s.settings.first.fontName, "<\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e>");
  EXPECT_EQ(s.settings.drawingFileName, "");
  EXPECT_EQ(s.settings.textStyles[3].spacing, 0.5);
  EXPECT_EQ(s.settings.textStyles[9].colour, 5);
  EXPECT_EQ(s.settings.hnValues[0], 7306.10278372591);
}

TEST(SampleFiles, HandMadeAndDocumentationSamples) {
  DrawingStore mint = ReadSample("mintleaf_jwwin2002_partial.txt");
  ASSERT_EQ(mint.arcs.size(), 3u);
  EXPECT_EQ(mint.arcs[0].header.colour, 5);
  EXPECT_EQ(mint.arcs[0].header.group, 1);
  EXPECT_EQ(mint.arcs[0].header.layer, 4);
  EXPECT_EQ(mint.arcs[2].header.colour, 6);
  EXPECT_EQ(mint.settings.groupScale[2], 50.0);

  DrawingStore docs = ReadSample("jww_smpl_read_examples.txt");
  EXPECT_EQ(docs.solidQuads.size(), 2u);
  EXPECT_EQ(docs.solidQuads[0].solidRgb, 65408);
  EXPECT_EQ(docs.solidCurves(FigureKind::SolidCurveSc).size(), 2u);

  DrawingStore parcel = ReadSample("parcel_hp_chain.txt");
  EXPECT_EQ(parcel.settings.referencePointCount, 10);
  EXPECT_EQ(parcel.settings.referencePoints[12].pickKind, 1);
  EXPECT_EQ(parcel.settings.firstGroup, 2);
  EXPECT_EQ(parcel.settings.firstLayer, 6);

  DrawingStore mcp = ReadSample("jwmcp_test_sample.txt");
  EXPECT_EQ(mcp.settings.drawingFileName, "c:\\ore\\hoge.jww");
  EXPECT_EQ(mcp.circles.size(), 1u);
  EXPECT_EQ(mcp.arcs.size(), 1u);
  ASSERT_EQ(mcp.lines.size(), 4u);
  EXPECT_EQ(mcp.lines[1].chainNumber, 1);
  EXPECT_EQ(mcp.lines[3].header.flags, 4);  // after "z3"
  EXPECT_EQ(mcp.settings.groupState[0], 11);
  EXPECT_EQ(mcp.texts.size(), 1u);
  EXPECT_EQ(mcp.points.size(), 1u);

  DrawingStore plan = ReadSample("sclaude_plan.txt");
  EXPECT_EQ(plan.lines[0].header.layer, 15);
  EXPECT_EQ(plan.lines[0].header.lineType, 5);
}

}  // namespace
}  // namespace zf61
