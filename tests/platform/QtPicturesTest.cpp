// Pictures through Qt: WMF and EMF drawn through SVG (a red rectangle on white in each), and
// icons drawn through their mask.
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/PictureBytes.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

TEST(Metafiles, WmfAndEmfAreDrawnWithTheirAspectRatio) {
  // libwmf will not draw at all without the fonts it maps Windows' faces to.
  ASSERT_TRUE(std::filesystem::exists("/usr/share/fonts/type1/urw-base35"))
      << "libwmf's fonts are missing: install fonts-urw-base35";
  test::TempDir dir;
  test::WriteBytes(dir / "red.wmf", test::RedWmf());
  test::WriteBytes(dir / "red.EMF", test::RedEmf());
  QtPictureSource source;
  for (const char* name : {"red.wmf", "red.EMF"}) {
    std::optional<Picture> picture = source.load((dir / name).string());
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->width, 2 * picture->height) << name;  // 1000 x 500
    const RasterImage& image = picture->raster;
    ASSERT_FALSE(image.pixels.empty()) << name;
    EXPECT_EQ(image.at(image.width / 2, image.height / 2), 0xFFFF0000u) << name;
  }
  // The EMF keeps its frame: the corner outside the rectangle stays white.
  std::optional<Picture> emf = source.load((dir / "red.EMF").string());
  EXPECT_EQ(emf->raster.at(4, 4), 0xFFFFFFFFu);
  // A metafile that is not one draws nothing.
  test::WriteBytes(dir / "bad.wmf", "not a metafile");
  EXPECT_FALSE(source.load((dir / "bad.wmf").string()));
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

}  // namespace
}  // namespace zf61
