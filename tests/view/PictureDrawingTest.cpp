#include "view/PictureDrawing.h"

#include <gtest/gtest.h>

#include <map>
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
  s.pictures.add("q.PNG", 10, 10);
  s.pictures.add("q.jpg", 10, 10);
  DrawPlainPicture(s.ctx, s.pictures, "q.PNG", {0, 0, 50, 50});
  DrawTransformedPicture(s.ctx, s.pictures, "q.jpg", {0, 0, 50, 50}, {0.1, 0.1, 0.5});
  EXPECT_EQ(s.canvas.images.size(), 3u);
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
