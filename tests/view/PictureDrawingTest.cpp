#include "view/PictureDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>

#include "support/RecordingCanvas.h"

namespace zf61 {
namespace {

using test::MakeView;
using test::RecordingCanvas;

// Pictures by name; every image pixel holds its own coordinates so crops can be checked.
class FakePictures final : public PictureSource {
 public:
  void add(const std::string& name, int32_t w, int32_t h) {
    RasterImage image;
    image.width = w;
    image.height = h;
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) image.pixels.push_back(static_cast<uint32_t>(y << 16 | x));
    }
    files[name] = image;
  }
  bool exists(std::string_view name) override { return files.count(std::string(name)) > 0; }
  std::optional<Picture> load(std::string_view name) override {
    ++loads;
    auto found = files.find(std::string(name));
    if (found == files.end()) return std::nullopt;
    return Picture{found->second.width, found->second.height, found->second, nullptr};
  }
  std::map<std::string, RasterImage> files;
  int loads = 0;
};

struct Scene {
  RecordingCanvas canvas{400, 400};
  ViewWindow view = MakeView(0, 0, 1.0, 400, 400);
  TgraAttribute att;
  DrawContext ctx{canvas, view, att};
  FakePictures pictures;
};

TEST(PictureDrawing, AspectRatioDirectionAndFormats) {
  Scene s;
  s.pictures.add("p.bmp", 400, 200);
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130});
  ASSERT_EQ(s.canvas.images.size(), 1u);
  test::ImageCall up = s.canvas.images[0];
  EXPECT_EQ(up.left, 100);
  EXPECT_EQ(up.right, 200);
  EXPECT_EQ(up.bottom, 300);  // y 100 is pixel row 300
  EXPECT_EQ(up.top, 250);     // 50 high, upward
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 70});
  EXPECT_EQ(s.canvas.images[1].top, 300);  // hangs 50 downward
  EXPECT_EQ(s.canvas.images[1].bottom, 350);
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 0, 130});
  EXPECT_EQ(s.canvas.images[2].left, 0);  // a negative width goes left
  EXPECT_EQ(s.canvas.images[2].right, 100);
  // Photos and other raster formats are drawn in both ways; PCX, FPX and the unknown are not.
  for (const char* name : {"q.PNG", "q.jpg", "q.Jpe", "q.jpeg", "q.gif", "q.tif", "q.TIFF"}) {
    s.pictures.add(name, 10, 10);
    DrawPlainPicture(s.ctx, s.pictures, name, {0, 0, 50, 50});
    DrawTransformedPicture(s.ctx, s.pictures, name, {0, 0, 50, 50}, {0.1, 0.1, 0.5});
  }
  EXPECT_EQ(s.canvas.images.size(), 3u + 14u);
  for (const char* name : {"q.pcx", "q.FPX", "q.xyz", "q"}) {
    s.pictures.add(name, 10, 10);
    DrawPlainPicture(s.ctx, s.pictures, name, {0, 0, 50, 50});
    DrawTransformedPicture(s.ctx, s.pictures, name, {0, 0, 50, 50}, {0.1, 0.1, 0.5});
  }
  EXPECT_EQ(s.canvas.images.size(), 3u + 14u);
  // Too small or outside the view: the file is not touched.
  int loads = s.pictures.loads;
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {10, 10, 11.5, 30});
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {500, 10, 600, 30});
  EXPECT_EQ(s.pictures.loads, loads);
}

TEST(PictureDrawing, PlaceholderBelowNinePixels) {
  Scene s;
  s.pictures.add("p.bmp", 100, 100);
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {10, 10, 18, 18});
  EXPECT_TRUE(s.canvas.images.empty());
  ASSERT_EQ(s.canvas.rectangles.size(), 1u);
  EXPECT_EQ(s.canvas.brush, kWhite);
  EXPECT_EQ(s.canvas.pen, s.att.BackgroundColour());
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {10, 10, 19, 19});
  EXPECT_EQ(s.canvas.images.size(), 1u);
}

TEST(PictureDrawing, CropWindowOfABitmap) {
  Scene s;
  s.pictures.add("p.bmp", 400, 200);
  DrawTransformedPicture(s.ctx, s.pictures, "p.bmp", {0, 0, 100, 30}, {0.25, 0.25, 0.5});
  ASSERT_EQ(s.canvas.images.size(), 1u);
  const RasterImage& shown = s.canvas.lastImage;
  ASSERT_EQ(shown.width, 400);
  ASSERT_EQ(shown.height, 200);
  // Columns 100..300 and rows 50..150 from the top, stretched to the whole 400 x 200.
  EXPECT_EQ(shown.at(0, 0), static_cast<uint32_t>(50 << 16 | 100));
  EXPECT_EQ(shown.at(399, 199), static_cast<uint32_t>(149 << 16 | 299));
  EXPECT_EQ(s.canvas.images[0].bottom - s.canvas.images[0].top, 50);  // aspect ratio 2
  // A crop scale of 0 or below is 1, a negative left is 0: the picture shown whole.
  DrawTransformedPicture(s.ctx, s.pictures, "p.bmp", {0, 0, 100, 30}, {-0.5, 0, 0});
  EXPECT_EQ(s.canvas.lastImage.at(0, 0), 0u);
  EXPECT_EQ(s.canvas.lastImage.at(399, 199), static_cast<uint32_t>(199 << 16 | 399));
}

TEST(PictureDrawing, TurnedWithTheTextAboutItsReferencePoint) {
  Scene s;
  s.pictures.add("p.bmp", 400, 200);  // 100 wide, so 50 high
  // A quarter turn: the picture's top edge runs up the left side, its bottom edge up from the
  // reference point (100, 100), which is pixel (100, 300).
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130, 0, 1});
  ASSERT_EQ(s.canvas.turnedImages.size(), 1u);
  EXPECT_EQ(s.canvas.turnedImages[0].corners, (ImageCorners{{50, 300}, {50, 200}, {100, 300}}));
  // Thirty degrees, by a direction of any length: corners (75, 143.30), (161.60, 193.30) and
  // the reference point, each rounded.
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130, std::sqrt(3.0), 1});
  EXPECT_EQ(s.canvas.turnedImages[1].corners, (ImageCorners{{75, 257}, {162, 207}, {100, 300}}));
  // Half a turn, hanging below the direction with a negative height, and a crop window.
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130, -1, 0});
  EXPECT_EQ(s.canvas.turnedImages[2].corners, (ImageCorners{{100, 350}, {0, 350}, {100, 300}}));
  DrawTransformedPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 70, 0, 1}, {0.25, 0.25, 0.5});
  EXPECT_EQ(s.canvas.turnedImages[3].corners, (ImageCorners{{100, 300}, {100, 200}, {150, 300}}));
  EXPECT_EQ(s.canvas.lastImage.at(0, 0), static_cast<uint32_t>(50 << 16 | 100));
  // The direction (1, 0) at any length, or none at all, leaves the picture as it was.
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130, 2, 0});
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {100, 100, 200, 130, 0, 0});
  EXPECT_EQ(s.canvas.images.size(), 2u);
  EXPECT_EQ(s.canvas.turnedImages.size(), 4u);
  // Whether it is outside the view is decided from the turned box: this one reaches back into
  // the view from the right, where its unturned box would not.
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {450, 100, 550, 130});
  DrawPlainPicture(s.ctx, s.pictures, "p.bmp", {450, 100, 550, 130, -1, 0});
  EXPECT_EQ(s.canvas.images.size(), 2u);
  EXPECT_EQ(s.canvas.turnedImages.size(), 5u);
  // Too small to show: a turned white placeholder outlined in the background colour.
  s.pictures.add("small.bmp", 100, 100);
  DrawPlainPicture(s.ctx, s.pictures, "small.bmp", {10, 10, 18, 18, 0, 1});
  EXPECT_EQ(s.canvas.turnedImages.size(), 5u);
  ASSERT_EQ(s.canvas.polygons.size(), 1u);
  EXPECT_EQ(s.canvas.polygons[0],
            (std::vector<PixelPoint>{{2, 390}, {2, 382}, {10, 382}, {10, 390}}));
  EXPECT_EQ(s.canvas.polygonBrushes[0], kWhite);
}

// The crop copy as the plain per-pixel rule gives it: each target pixel takes the source pixel
// under its centre, white (or transparent) where that lies outside the source.
TEST(PictureDrawing, StretchCopyPicksThePixelUnderEachCentre) {
  std::mt19937 random(7);
  auto between = [&](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  for (int round = 0; round < 200; ++round) {
    RasterImage source;
    source.width = between(1, 30);
    source.height = between(1, 30);
    source.translucent = round % 2 == 1;
    for (int i = 0; i < source.width * source.height; ++i) source.pixels.push_back(random());
    int32_t sx0 = between(-10, 30), sy0 = between(-10, 30);
    int32_t sx1 = sx0 + between(0, 40), sy1 = sy0 + between(0, 40);
    int32_t w = between(1, 50), h = between(1, 50);
    RasterImage out = StretchCopy(source, sx0, sy0, sx1, sy1, w, h);
    ASSERT_EQ(out.translucent, source.translucent);
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        int64_t sx = sx0 + static_cast<int64_t>(std::floor((x + 0.5) * (sx1 - sx0) / w));
        int64_t sy = sy0 + static_cast<int64_t>(std::floor((y + 0.5) * (sy1 - sy0) / h));
        bool inside = sx >= 0 && sy >= 0 && sx < source.width && sy < source.height;
        uint32_t expected = inside ? source.at(int32_t(sx), int32_t(sy))
                                   : (source.translucent ? 0x00FFFFFFu : 0xFFFFFFFFu);
        ASSERT_EQ(out.at(x, y), expected) << round << " " << x << " " << y;
      }
    }
  }
}

TEST(MetafileSize, PlaceableWmfAndEmfHeaders) {
  std::string wmf(22, '\0');
  const unsigned char key[] = {0xD7, 0xCD, 0xC6, 0x9A};
  for (int i = 0; i < 4; ++i) wmf[i] = static_cast<char>(key[i]);
  wmf[10] = static_cast<char>(0x40), wmf[11] = 0x06;  // right 1600
  wmf[12] = static_cast<char>(0x20), wmf[13] = 0x03;  // bottom 800
  auto w = ReadMetafileSize(wmf);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->width, 1600);
  EXPECT_EQ(w->height, 800);
  std::string emf(88, '\0');
  emf[0] = 1;
  emf[32] = 100;  // frame right
  emf[36] = 50;   // frame bottom
  emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
  auto e = ReadMetafileSize(emf);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->width, 100);
  EXPECT_EQ(e->height, 50);
  EXPECT_FALSE(ReadMetafileSize("BM not a metafile"));
}

}  // namespace
}  // namespace zf61
