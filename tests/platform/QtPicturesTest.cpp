// Pictures through Qt: WMF and EMF drawn as vectors into their box from their frame, and icons
// drawn through their mask.
#include "platform/GuiApplication.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/MetafileBytes.h"
#include "support/PictureBytes.h"
#include "support/PictureScenes.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

using test::kBluePixel;
using test::kRedPixel;
constexpr uint32_t kBlackPixel = 0xFF000000u;

// The picture drawn into (0, 0)-(width, height) over a blue canvas.
RasterImage DrawnOverBlue(const Picture& picture, int width = 200, int height = 100) {
  QtCanvas canvas(width + 20, height + 20);
  const Colour blue = MakeColour(0, 0, 255);
  canvas.setPen(blue, 1);
  canvas.setBrush(blue, BrushStyle::Solid);
  canvas.rectangle(0, 0, width + 20, height + 20);
  canvas.drawPicture(picture, 0, 0, width, height);
  return canvas.readPixels();
}

TEST(Metafiles, WmfAndEmfArePlayedFromTheirFrameAsVectors) {
  test::TempDir dir;
  test::WriteBytes(dir / "red.wmf", test::RedWmf());
  test::WriteBytes(dir / "red.EMF", test::RedEmf());
  QtPictureSource source;
  for (const char* name : {"red.wmf", "red.EMF"}) {
    std::optional<Picture> picture = source.load((dir / name).string());
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->width, 2 * picture->height) << name;  // 1000 x 500
    EXPECT_TRUE(picture->raster.pixels.empty()) << name;     // vectors, not pixels
    RasterImage px = DrawnOverBlue(*picture);
    // The rectangle stays inset by a tenth of the frame: from (20, 20) to (180, 80).
    EXPECT_EQ(px.at(100, 50), kRedPixel) << name;
    EXPECT_EQ(px.at(25, 25), kRedPixel) << name;
    EXPECT_EQ(px.at(10, 10), kBluePixel) << name;  // unpainted: the background shows
    EXPECT_EQ(px.at(190, 90), kBluePixel) << name;
    EXPECT_EQ(px.at(16, 50), kBluePixel) << name;
    EXPECT_EQ(px.at(210, 50), kBluePixel) << name;  // nothing outside the box
    // Its one-unit black outline stays one pixel wide, also stretched to four times the width.
    auto outline = [](const RasterImage& image, int x0, int y0, int dx, int dy, int n) {
      int black = 0;
      for (int i = 0; i < n; ++i) black += image.at(x0 + i * dx, y0 + i * dy) == kBlackPixel;
      return black;
    };
    EXPECT_EQ(outline(px, 10, 50, 1, 0, 20), 1) << name;
    EXPECT_EQ(outline(px, 100, 10, 0, 1, 20), 1) << name;
    RasterImage wide = DrawnOverBlue(*picture, 800, 100);
    EXPECT_EQ(wide.at(400, 50), kRedPixel) << name;
    EXPECT_EQ(outline(wide, 60, 50, 1, 0, 40), 1) << name;
    EXPECT_EQ(outline(wide, 400, 10, 0, 1, 20), 1) << name;
  }
  // A metafile that is not one draws nothing.
  test::WriteBytes(dir / "bad.wmf", "not a metafile");
  EXPECT_FALSE(source.load((dir / "bad.wmf").string()));
}

TEST(Metafiles, PensTextsAndBitmapsScaleWithThePicture) {
  EnsureGuiApplication("platform_tests");  // texts need its font database
  test::TempDir dir;
  std::string params;
  test::Put32(params, 0x00CC0020L);  // a plain copy of the 2 x 2 bitmap into (0, 0)-(50, 50)
  for (int v : {0, 2, 2, 0, 0, 50, 50, 0, 0}) test::Put16(params, v);
  test::WmfBytes wmf(100, 100);
  wmf.raw(0x0F43, params + test::TinyDib())
      .record(0x02FA, {0, 10, 0, 0xFF00, 0})  // a green pen ten units wide
      .record(0x012D, {0})
      .record(0x0214, {90, 60})
      .record(0x0213, {90, 90})  // a line from (60, 90) to (90, 90)
      .record(0x02FB, {static_cast<int>(0xFFEC), 0, 0, 0, 400, 0, 0, 0})  // 20 units high
      .record(0x012D, {1})
      .record(0x0209, {0xFFFF, 0x00FF})  // white text
      .record(0x012E, {0})
      .raw(0x0521, std::string("\x02\0MM", 4) + std::string("\x37\0\x3C\0", 4));  // at (60, 55)
  test::WriteBytes(dir / "mixed.wmf", wmf.bytes());
  QtPictureSource source;
  std::optional<Picture> picture = source.load((dir / "mixed.wmf").string());
  ASSERT_TRUE(picture);
  RasterImage px = DrawnOverBlue(*picture, 200, 200);
  // The bitmap's top row is red, white; the bottom row blue, green; each pixel now 50 x 50.
  EXPECT_EQ(px.at(25, 25), kRedPixel);
  EXPECT_EQ(px.at(75, 25), 0xFFFFFFFFu);
  EXPECT_EQ(px.at(25, 75), 0xFF0000FFu);
  EXPECT_EQ(px.at(75, 75), 0xFF00FF00u);
  // The pen is ten units wide, twenty pixels at this size.
  int thick = 0;
  for (int y = 160; y < 200; ++y) thick += px.at(150, y) == 0xFF00FF00u;
  EXPECT_GE(thick, 19);
  EXPECT_LE(thick, 21);
  // The text paints white below (60, 55), about 40 pixels high.
  int white = 0;
  for (int y = 110; y < 155; ++y)
    for (int x = 120; x < 200; ++x) white += px.at(x, y) == 0xFFFFFFFFu;
  EXPECT_GT(white, 20);
}

TEST(QtPictures, IconsShowTheBackgroundThroughTheirMask) {
  test::TempDir dir;
  // At 32 bits: Qt 6.4's icon reader keeps the alpha of the pixels but ignores the mask of
  // 24-bit icons (Windows draws those through their mask; see the Windows suite).
  test::WriteBytes(dir / "half.ico", test::HalfRedIcon(32));
  QtPictureSource source;
  std::optional<Picture> icon = source.load((dir / "half.ico").string());
  ASSERT_TRUE(icon) << "Qt's icon reader (the qico image plugin) is missing";
  EXPECT_EQ(icon->width, 16);
  QtCanvas canvas(220, 120);
  const Colour blue = MakeColour(0, 0, 255);  // not the black of the icon's masked pixels
  canvas.setPen(blue, 1);
  canvas.setBrush(blue, BrushStyle::Solid);
  canvas.rectangle(0, 0, 220, 120);
  canvas.drawPicture(*icon, 0, 0, 200, 100);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(50, 50), 0xFF0000FFu);  // the masked half shows what lies beneath
  EXPECT_EQ(px.at(150, 50), 0xFFFF0000u);
  EXPECT_EQ(px.at(210, 50), 0xFF0000FFu);
}

TEST(QtPictures, MetafilesAndIconsTurnWithTheirBox) {
  test::CheckMetafilesAndIconsTurnWithTheirBox<QtCanvas, QtPictureSource>(
      [](const std::filesystem::path& path) { return path.string(); });
}

}  // namespace
}  // namespace zf61
