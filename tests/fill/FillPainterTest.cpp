#include "fill/FillPainter.h"

#include <gtest/gtest.h>

#include "platform/QtCanvas.h"
#include "support/RecordingCanvas.h"

namespace zf61 {
namespace {

ClosedRegion Square(double x0, double y0, double size) {
  return {{{x0, y0}, {x0 + size, y0}, {x0 + size, y0 + size}, {x0, y0 + size}, {x0, y0}}};
}

TEST(FillPainter, OnePathOfUnroundedPixelsAndTheArgbColour) {
  EXPECT_EQ(FillArgb(MakeColour(255, 0, 0), 128), 0x80FF0000u);
  EXPECT_EQ(FillArgb(MakeColour(1, 2, 3), 0x1FF), 0xFF010203u);  // the low 8 bits
  test::RecordingCanvas canvas(100, 100);
  ViewWindow view = test::MakeView(0, 0, 2.5, 100, 100);
  FillPainter painter(view);
  painter.BeginGraphics(canvas);
  painter.FillRegions({Square(1.1, 2.2, 4), Square(-100, -100, 5)}, MakeColour(0, 0, 255), 77);
  painter.EndGraphics();
  ASSERT_EQ(canvas.paths.size(), 1u);  // one fill for every region
  ASSERT_EQ(canvas.paths[0].size(), 2u);
  EXPECT_EQ(canvas.paths[0][0].size(), 5u);
  EXPECT_FLOAT_EQ(canvas.paths[0][0][0].x, static_cast<float>(1.1 * 2.5));
  EXPECT_FLOAT_EQ(canvas.paths[0][0][0].y, static_cast<float>(100 - 2.2 * 2.5));
  EXPECT_FLOAT_EQ(canvas.paths[0][1][0].x, -250.0f);  // outside points are passed as they are
  EXPECT_EQ(canvas.pathColours[0], 0x4D0000FFu);
}

TEST(FillPainter, ConcentricSquaresLeaveARingAndOpacityRules) {
  QtCanvas canvas(40, 40);
  ViewWindow view = test::MakeView(0, 0, 1.0, 40, 40);
  FillPainter painter(view);
  painter.BeginGraphics(canvas);
  painter.FillRegions({Square(5, 5, 30), Square(15, 15, 10)}, MakeColour(0, 0, 255), 255);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(8, 20), 0xFF0000FFu);   // the ring, plain blue
  EXPECT_EQ(px.at(20, 20), 0xFFFFFFFFu);  // the hole
  painter.FillRegions({Square(0, 0, 40)}, MakeColour(255, 0, 0), 0);
  EXPECT_EQ(canvas.readPixels().pixels, px.pixels);  // opacity 0 changes nothing
  painter.EndGraphics();
}

}  // namespace
}  // namespace zf61
