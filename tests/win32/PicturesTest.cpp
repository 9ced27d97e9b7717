// Pictures of a drawing through GDI: bitmaps with their pixels, icons through their mask,
// metafiles played as vectors from their frame, leaving what they do not paint untouched.
#include <gtest/gtest.h>

#include "output/BmpWriter.h"
#include "platform/GdiCanvas.h"
#include "platform/WideText.h"
#include "platform/Win32PictureSource.h"
#include "support/PictureBytes.h"
#include "support/TempDir.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kRedPixel = 0xFFFF0000u;

struct Pictures {
  test::TempDir dir;
  Win32PictureSource source;
  std::string name(const char* file) {
    return WideToCp932((dir.path() / Utf8ToWide(file)).wstring());
  }
  // The picture drawn into (0, 0)-(200, 100) over a canvas of `background`.
  RasterImage drawnOver(const Picture& picture, Colour background = kBlack) {
    GdiCanvas canvas(220, 120);
    canvas.setPen(background, 1);
    canvas.setBrush(background, BrushStyle::Solid);
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
  for (int bits : {24, 32}) {
    Pictures p;
    test::WriteBytes(p.dir / "half.ico", test::HalfRedIcon(bits));
    std::optional<Picture> icon = p.source.load(p.name("half.ico"));
    ASSERT_TRUE(icon) << bits;
    EXPECT_EQ(icon->width, 16);
    EXPECT_EQ(icon->height, 16);
    // Over blue, not the black of the icon's masked pixels.
    RasterImage px = p.drawnOver(*icon, MakeColour(0, 0, 255));
    EXPECT_EQ(px.at(50, 50), 0xFF0000FFu) << bits;  // the masked half shows what lies beneath
    EXPECT_EQ(px.at(150, 50), kRedPixel) << bits;
    EXPECT_EQ(px.at(210, 50), 0xFF0000FFu) << bits;
  }
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
    RasterImage px = p.drawnOver(*picture);
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
