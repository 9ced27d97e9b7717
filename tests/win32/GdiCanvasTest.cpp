// The GDI canvas on real pixels: the rules every drawing Part relies on, the GDI+ fill, and the
// opaque pixels that reach the 32-bit picture.
#include <gtest/gtest.h>

#include "output/BmpWriter.h"
#include "platform/GdiCanvas.h"
#include "view/CanvasPrimitives.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kBlackPixel = 0xFF000000u;

int CountNonWhite(const RasterImage& image) {
  int n = 0;
  for (uint32_t p : image.pixels) n += p != kWhitePixel;
  return n;
}

TEST(GdiCanvas, LinesRectanglesAndClearing) {
  GdiCanvas canvas(50, 50);
  ASSERT_TRUE(canvas.valid());
  EXPECT_EQ(canvas.readPixels().at(3, 3), kWhitePixel);  // a new canvas is white
  canvas.setPen(kBlack, 1);
  SegmentPx(canvas, 5, 5, 20, 12);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(5, 5), kBlackPixel);
  EXPECT_EQ(px.at(20, 12), kBlackPixel);
  EXPECT_EQ(px.at(21, 12), kWhitePixel);
  GdiCanvas h(50, 50);
  h.setPen(kBlack, 0);
  h.moveTo(10, 30);
  h.lineTo(25, 30);  // the end pixel is left out
  EXPECT_EQ(CountNonWhite(h.readPixels()), 15);
  GdiCanvas r(50, 50);
  SetPen(r, kBlack, 0, 1);
  SetBrush(r, MakeColour(255, 0, 0), 1);
  RectanglePx(r, 10, 10, 20, 15);
  px = r.readPixels();
  EXPECT_EQ(px.at(10, 10), kBlackPixel);
  EXPECT_EQ(px.at(19, 14), kBlackPixel);
  EXPECT_EQ(px.at(20, 14), kWhitePixel);
  EXPECT_EQ(px.at(19, 15), kWhitePixel);
  EXPECT_EQ(px.at(15, 12), 0xFFFF0000u);
  TgraAttribute att;
  att.SetBackground(1);
  ClearCanvas(r, att, 50, 50);
  for (uint32_t p : r.readPixels().pixels) ASSERT_EQ(p, kBlackPixel);
}

TEST(GdiCanvas, XorTwiceRestoresAndSetPixelIgnoresIt) {
  GdiCanvas canvas(60, 40);
  canvas.setPen(MakeColour(10, 200, 30), 1);
  canvas.setBrush(MakeColour(200, 0, 0), BrushStyle::Solid);
  canvas.rectangle(5, 5, 30, 30);
  RasterImage before = canvas.readPixels();
  SetXorMode(canvas);
  SetPen(canvas, MakeColour(0, 255, 255), 0, 3);
  for (int i = 0; i < 2; ++i) {
    canvas.rectangle(2, 3, 50, 35);
    canvas.moveTo(0, 0);
    canvas.lineTo(59, 39);
  }
  EXPECT_EQ(canvas.readPixels().pixels, before.pixels);
  canvas.moveTo(0, 38);
  canvas.lineTo(40, 38);
  EXPECT_EQ(canvas.readPixels().at(10, 38), 0xFFFF0000u);  // aqua over white
  canvas.setPixel(10, 38, kBlack);                         // a plain set even in XOR mode
  EXPECT_EQ(canvas.readPixels().at(10, 38), kBlackPixel);
}

TEST(GdiCanvas, PolygonsAndTheFillAreEvenOdd) {
  GdiCanvas canvas(40, 40);
  canvas.setPen(kBlack, 1);
  canvas.setBrush(kBlack, BrushStyle::Solid);
  // A star whose middle is covered twice stays empty by the alternate rule.
  canvas.polygon({{20, 2}, {31, 37}, {2, 14}, {38, 14}, {9, 37}});
  EXPECT_EQ(canvas.readPixels().at(20, 20), kWhitePixel);
  EXPECT_EQ(canvas.readPixels().at(20, 8), kBlackPixel);
  GdiCanvas fill(40, 40);
  std::vector<FloatPoint> outer = {{5, 5}, {35, 5}, {35, 35}, {5, 35}};
  std::vector<FloatPoint> inner = {{15, 15}, {25, 15}, {25, 25}, {15, 25}};
  fill.fillPathEvenOdd({outer, inner, outer, outer}, 0x80FF0000u);
  RasterImage px = fill.readPixels();
  uint32_t ring = px.at(8, 20);
  EXPECT_EQ(ring >> 16 & 0xFF, 255u);
  EXPECT_NEAR(static_cast<int>(ring >> 8 & 0xFF), 127, 1);  // blended once
  EXPECT_EQ(px.at(20, 20), kWhitePixel);
  EXPECT_EQ(px.at(2, 2), kWhitePixel);
  // Points far outside the canvas neither wrap around nor stop the fill.
  GdiCanvas distant(40, 40);
  distant.fillPathEvenOdd({{{-3e9f, -3e9f}, {3e9f, -3e9f}, {3e9f, 20}, {-3e9f, 20}}}, 0xFF0000FFu);
  EXPECT_EQ(distant.readPixels().at(20, 10), 0xFF0000FFu);
  EXPECT_EQ(distant.readPixels().at(20, 30), kWhitePixel);
}

TEST(GdiCanvas, PicturesAreStretchedPlainly) {
  RasterImage image{2, 2, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u}};
  GdiCanvas canvas(20, 20);
  canvas.drawImage(image, 4, 4, 12, 12);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(5, 5), 0xFFFF0000u);
  EXPECT_EQ(px.at(10, 5), 0xFF00FF00u);
  EXPECT_EQ(px.at(5, 10), 0xFF0000FFu);
  EXPECT_EQ(px.at(11, 11), kBlackPixel);
  EXPECT_EQ(px.at(12, 12), kWhitePixel);
  EXPECT_EQ(px.at(3, 3), kWhitePixel);
}

TEST(GdiCanvas, TheThirtyTwoBitPictureKeepsItsFourthByteZero) {
  GdiCanvas canvas(8, 8);
  canvas.fillPathEvenOdd({{{0, 0}, {8, 0}, {8, 8}, {0, 8}}}, 0x80FF0000u);
  for (uint32_t p : canvas.readPixels().pixels) ASSERT_EQ(p >> 24, 0xFFu);
  std::string bmp = EncodeBmp(ConvertToDepth(canvas.readPixels(), ColourDepth::Bits32));
  ASSERT_EQ(bmp.size(), 54u + 8 * 8 * 4);
  for (size_t i = 54 + 3; i < bmp.size(); i += 4) ASSERT_EQ(bmp[i], '\0') << i;
}

}  // namespace
}  // namespace zf61::win32
