// Photos and other raster pictures through Qt's image readers, drawn as bitmaps of the same
// pixels are: in the generated picture, in a crop window, turned, over what lies beneath where
// they are transparent; damaged files draw nothing. The pictures are made here with Qt's own
// writers, and the GIFs with imagemagick, since Qt writes none.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/PictureScenes.h"
#include "support/TempDir.h"
#include "view/PictureFormat.h"

namespace zf61 {
namespace {

using test::kGreenPixel;
using test::kRedPixel;

// The picture written as `name` in `dir`, in the format its extension names.
std::string Write(const test::TempDir& dir, const QImage& image, const char* name) {
  std::string path = (dir / name).string();
  std::string ext = PictureExtension(name);
  if (ext == ".GIF") {
    std::string png = path + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(png), "PNG"));
    std::string command = "convert '" + png + "' '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "imagemagick's convert is needed";
  } else {
    const char* format = ext == ".TIF" ? "TIFF" : ext == ".JPG" ? "JPEG" : ext.c_str() + 1;
    EXPECT_TRUE(image.save(QString::fromStdString(path), format, 95)) << name;
  }
  return path;
}

// The pixels as a QImage: RGB32 when every pixel is opaque, ARGB32 otherwise.
QImage ImageOf(const RasterImage& pixels) {
  bool opaque = std::all_of(pixels.pixels.begin(), pixels.pixels.end(),
                            [](uint32_t p) { return p >> 24 == 0xFF; });
  QImage image(pixels.width, pixels.height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) image.setPixel(x, y, pixels.at(x, y));
  }
  return image;
}

// The files of the scenes: named by their paths, written with Qt's writers, BMPs read by QImage.
test::PictureFiles QtFiles() {
  return {
      [](const std::filesystem::path& path) { return path.string(); },
      [](const test::TempDir& dir, const RasterImage& image, const char* name) {
        return Write(dir, ImageOf(image), name);
      },
      [](const std::filesystem::path& path) -> std::optional<RasterImage> {
        QImage saved(QString::fromStdString(path.string()));
        if (saved.isNull()) return std::nullopt;
        RasterImage pixels{saved.width(), saved.height(), {}};
        for (int y = 0; y < saved.height(); ++y) {
          for (int x = 0; x < saved.width(); ++x) pixels.pixels.push_back(saved.pixel(x, y));
        }
        return pixels;
      },
  };
}

TEST(RasterPictures, EachFormatAndATurnedBitmapInTheGeneratedPicture) {
  test::CheckEachFormatAndATurnedBitmap<QtCanvas, QtPictureSource>(QtFiles(), "a.png");
}

TEST(RasterPictures, ACropWindowOfAJpegAndTurnsOfThirtyDegrees) {
  test::CheckCropWindowsAndAThirtyDegreeTurn<QtCanvas, QtPictureSource>(QtFiles());
}

TEST(RasterPictures, TransparentPartsShowWhatLiesBeneath) {
  test::TempDir dir;
  QtPictureSource source;
  for (const char* name : {"t.png", "t.gif", "t.tiff"}) {
    std::optional<Picture> picture = source.load(Write(dir, ImageOf(test::HalfSeeThrough()), name));
    ASSERT_TRUE(picture) << name;
    ASSERT_TRUE(picture->raster.translucent) << name;
    test::CheckSeeThroughOverBlue(test::SeeThroughOverBlue<QtCanvas>(*picture), name,
                                  std::string(name) == "t.png");
  }
  // An alpha channel that hides nothing draws as plainly as a bitmap.
  QImage opaque(4, 4, QImage::Format_ARGB32);
  opaque.fill(kGreenPixel);
  EXPECT_FALSE(source.load(Write(dir, opaque, "o.png"))->raster.translucent);
}

TEST(RasterPictures, DamagedOrCutFilesDrawNothing) {
  test::CheckDamagedFilesDrawNothing<QtPictureSource>(QtFiles());
}

TEST(RasterPictures, KeptUntilTheFileChanges) {
  test::TempDir dir;
  QImage image(8, 4, QImage::Format_RGB32);
  image.fill(kRedPixel);
  std::string path = Write(dir, image, "kept.png");
  QtPictureSource source;
  auto first = source.share(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(source.share(path), first);
  image = QImage(16, 4, QImage::Format_RGB32);
  image.fill(kGreenPixel);
  Write(dir, image, "kept.png");
  auto second = source.share(path);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->width, 16);
  EXPECT_EQ(second->raster.at(0, 0), kGreenPixel);
}

}  // namespace
}  // namespace zf61
