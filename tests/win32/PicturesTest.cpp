// Pictures of a drawing through GDI: bitmaps with their pixels, icons through their mask,
// metafiles played as vectors from their frame, leaving what they do not paint untouched.
#include <gtest/gtest.h>

#include "output/BmpWriter.h"
#include "platform/GdiCanvas.h"
#include "platform/WideText.h"
#include "platform/Win32PictureSource.h"
#include "support/MetafileBytes.h"
#include "support/TempDir.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kRedPixel = 0xFFFF0000u;

// A 16 x 16 icon of 24 bits whose left half is masked out and whose right half is red.
std::string HalfRedIcon() {
  std::string ico;
  for (int v : {0, 1, 1}) test::Put16(ico, v);  // ICONDIR: one icon
  ico += std::string{16, 16, 0, 0};             // 16 x 16, no palette
  test::Put16(ico, 1);                          // planes
  test::Put16(ico, 24);                         // bits
  const long xorBytes = 16 * 16 * 3, andBytes = 16 * 4;
  test::Put32(ico, 40 + xorBytes + andBytes);
  test::Put32(ico, 22);
  for (long v : {40L, 16L, 32L}) test::Put32(ico, v);  // the height counts both masks
  test::Put16(ico, 1);
  test::Put16(ico, 24);
  for (int i = 0; i < 6; ++i) test::Put32(ico, 0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ico += x < 8 ? std::string(3, '\0') : std::string{0, 0, '\xFF'};
  }
  for (int y = 0; y < 16; ++y) ico += std::string{'\xFF', 0, 0, 0};  // left 8 pixels transparent
  return ico;
}

struct Pictures {
  test::TempDir dir;
  Win32PictureSource source;
  std::string name(const char* file) {
    return WideToCp932((dir.path() / Utf8ToWide(file)).wstring());
  }
  // The picture drawn into (0, 0)-(200, 100) over a black canvas.
  RasterImage drawnOnBlack(const Picture& picture) {
    GdiCanvas canvas(220, 120);
    canvas.setPen(kBlack, 1);
    canvas.setBrush(kBlack, BrushStyle::Solid);
    canvas.rectangle(0, 0, 220, 120);
    canvas.drawPicture(picture, 0, 0, 200, 100);
    return canvas.readPixels();
  }
};

TEST(Win32Pictures, BitmapsKeepTheirPixelsAndJapaneseNamesWork) {
  Pictures p;
  RasterImage image{
      3, 2, {kRedPixel, 0xFF00FF00u, 0xFF0000FFu, kBlackPixel, 0xFFFFFFFFu, 0xFF808080u}};
  ASSERT_TRUE(WriteBmpFile(p.dir.path() / L"写真.bmp", ConvertToDepth(image, ColourDepth::Bits24)));
  std::string name = p.name("写真.bmp");
  EXPECT_TRUE(p.source.exists(name));
  EXPECT_FALSE(p.source.exists(p.name("none.bmp")));
  std::optional<Picture> picture = p.source.load(name);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 3);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(picture->raster.pixels, image.pixels);
  test::WriteBytes(p.dir / "bad.bmp", "BM not really");
  EXPECT_FALSE(p.source.load(p.name("bad.bmp")));
}

TEST(Win32Pictures, IconsAreDrawnThroughTheirMask) {
  Pictures p;
  test::WriteBytes(p.dir / "half.ico", HalfRedIcon());
  std::optional<Picture> icon = p.source.load(p.name("half.ico"));
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 16);
  EXPECT_EQ(icon->height, 16);
  RasterImage px = p.drawnOnBlack(*icon);
  EXPECT_EQ(px.at(50, 50), kBlackPixel);  // the masked half shows the background
  EXPECT_EQ(px.at(150, 50), kRedPixel);
  EXPECT_EQ(px.at(210, 50), kBlackPixel);
}

TEST(Win32Pictures, MetafilesArePlayedFromTheirFrameAsVectors) {
  Pictures p;
  test::WriteBytes(p.dir / "red.wmf", test::RedWmf());
  test::WriteBytes(p.dir / "red.EMF", test::RedEmf());
  for (const char* file : {"red.wmf", "red.EMF"}) {
    std::optional<Picture> picture = p.source.load(p.name(file));
    ASSERT_TRUE(picture) << file;
    EXPECT_EQ(picture->width, 2 * picture->height) << file;
    EXPECT_TRUE(picture->raster.pixels.empty()) << file;  // drawn natively, not as pixels
    RasterImage px = p.drawnOnBlack(*picture);
    // The rectangle stays inset by a tenth of the frame: from (20, 20) to (180, 80).
    EXPECT_EQ(px.at(100, 50), kRedPixel) << file;
    EXPECT_EQ(px.at(25, 25), kRedPixel) << file;
    EXPECT_EQ(px.at(10, 10), kBlackPixel) << file;  // unpainted: the background shows
    EXPECT_EQ(px.at(190, 90), kBlackPixel) << file;
    EXPECT_EQ(px.at(16, 50), kBlackPixel) << file;
    // Its one-unit outline stays about one pixel wide, not a fifth of the rectangle.
    int outline = 0;
    for (int x = 10; x < 30; ++x)
      outline += px.at(x, 50) != kRedPixel && px.at(x, 50) != kBlackPixel;
    EXPECT_LE(outline, 2) << file;
  }
  test::WriteBytes(p.dir / "bad.wmf", "not a metafile");
  EXPECT_FALSE(p.source.load(p.name("bad.wmf")));
  EXPECT_FALSE(p.source.load(p.name("none.emf")));
}

}  // namespace
}  // namespace zf61::win32
