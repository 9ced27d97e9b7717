// WMF and EMF pictures drawn through SVG: a red rectangle on white in each.
#include "platform/QtPictureSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/MetafileBytes.h"
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

}  // namespace
}  // namespace zf61
