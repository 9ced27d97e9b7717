// Pictures decoded once per run and let go when their files change or memory runs short; the
// formats by extension; the part of a turned image that reaches the canvas.
#include "view/PictureKeeper.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/RecordingCanvas.h"
#include "view/PictureDrawing.h"
#include "view/TurnedImage.h"

namespace zf61 {
namespace {

// Files as stamps and sizes; every decode is counted.
class FakeFiles final : public KeepingPictureSource {
 public:
  using KeepingPictureSource::KeepingPictureSource;
  void put(const std::string& name, int32_t side, int64_t time) { files[name] = {side, time}; }
  bool exists(std::string_view name) override { return files.count(std::string(name)) > 0; }
  std::map<std::string, std::pair<int32_t, int64_t>> files;  // side in pixels, time
  std::map<std::string, int> decodes;

 protected:
  std::optional<FileStamp> stampOf(std::string_view name) override {
    auto found = files.find(std::string(name));
    if (found == files.end()) return std::nullopt;
    return FileStamp{found->second.first, found->second.second};
  }
  std::optional<Picture> decode(std::string_view name) override {
    ++decodes[std::string(name)];
    int32_t side = files.at(std::string(name)).first;
    if (side == 0) return std::nullopt;  // a damaged file
    RasterImage image{side, side, std::vector<uint32_t>(size_t(side) * side, 0xFF102030u)};
    return Picture{side, side, std::move(image), nullptr};
  }
};

constexpr size_t kBytes10 = 10 * 10 * 4;  // the pixels of a 10 x 10 picture

TEST(PictureKeeper, DecodesOnceUntilTheFileChanges) {
  FakeFiles source;
  source.put("a.jpg", 10, 1);
  auto first = source.share("a.jpg");
  ASSERT_TRUE(first);
  EXPECT_EQ(source.share("a.jpg"), first);  // the same pixels, not decoded again
  EXPECT_EQ(source.decodes["a.jpg"], 1);
  EXPECT_EQ(source.keptBytes(), kBytes10);
  source.put("a.jpg", 10, 2);  // written again: same size, new time
  EXPECT_NE(source.share("a.jpg"), first);
  EXPECT_EQ(source.decodes["a.jpg"], 2);
  source.put("a.jpg", 12, 2);  // new size, same time
  EXPECT_EQ(source.share("a.jpg")->width, 12);
  EXPECT_EQ(source.keptBytes(), 12 * 12 * 4u);
  // A damaged file is remembered as nothing until it changes; a file that went is let go.
  source.put("bad.png", 0, 1);
  EXPECT_FALSE(source.share("bad.png"));
  EXPECT_FALSE(source.share("bad.png"));
  EXPECT_EQ(source.decodes["bad.png"], 1);
  source.files.erase("a.jpg");
  EXPECT_FALSE(source.share("a.jpg"));
  EXPECT_EQ(source.keptBytes(), 0u);
  // load() decodes anew and keeps nothing.
  source.put("a.jpg", 10, 3);
  EXPECT_TRUE(source.load("a.jpg"));
  EXPECT_EQ(source.keptBytes(), 0u);
}

TEST(PictureKeeper, CropWindowsAreMadeOnceAndGoWithTheirPicture) {
  FakeFiles source;
  source.put("a.jpg", 10, 1);
  test::RecordingCanvas canvas(400, 400);
  ViewWindow view = test::MakeView(0, 0, 1.0, 400, 400);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  for (int i = 0; i < 3; ++i) {
    DrawTransformedPicture(ctx, source, "a.jpg", {0, 0, 100, 100}, {0.5, 0.5, 0.5});
  }
  EXPECT_EQ(source.decodes["a.jpg"], 1);
  EXPECT_EQ(source.keptBytes(), 2 * kBytes10);  // the picture and one crop window
  DrawTransformedPicture(ctx, source, "a.jpg", {0, 0, 100, 100}, {0.25, 0.5, 0.5});
  EXPECT_EQ(source.keptBytes(), 3 * kBytes10);
  source.put("a.jpg", 10, 2);
  DrawTransformedPicture(ctx, source, "a.jpg", {0, 0, 100, 100}, {0.5, 0.5, 0.5});
  EXPECT_EQ(source.keptBytes(), 2 * kBytes10);
  EXPECT_EQ(canvas.images.size(), 5u);
  int made = 0;
  auto make = [&] {
    ++made;
    return Picture{};
  };
  source.madeFrom("a.jpg", "k", make);
  source.madeFrom("a.jpg", "k", make);
  source.madeFrom("not kept.jpg", "k", make);
  EXPECT_EQ(made, 2);
}

TEST(PictureKeeper, LetsTheLeastRecentlyUsedGoBeyondItsBudget) {
  FakeFiles source(2 * kBytes10);
  for (const char* name : {"a.png", "b.png", "c.png"}) source.put(name, 10, 1);
  source.put("huge.png", 20, 1);
  source.share("a.png");
  source.share("b.png");
  source.share("a.png");  // b is now the one used longest ago
  source.share("c.png");
  EXPECT_EQ(source.keptBytes(), 2 * kBytes10);
  source.share("a.png");
  source.share("c.png");
  EXPECT_EQ(source.decodes["a.png"], 1);
  EXPECT_EQ(source.decodes["c.png"], 1);
  source.share("b.png");
  EXPECT_EQ(source.decodes["b.png"], 2);
  // A picture beyond the whole budget is still kept while it is the one in use.
  auto huge = source.share("huge.png");
  EXPECT_EQ(source.keptBytes(), 20 * 20 * 4u);
  EXPECT_EQ(source.share("huge.png"), huge);
}

TEST(PictureFormats, ByExtensionAndWholeJpegs) {
  EXPECT_EQ(PictureFormatOf("C:\\写真\\a.bmp"), PictureFormat::Bitmap);
  for (const char* name : {"a.PNG", "a.tif", "a.Tiff", "a.jpg", "a.JPE", "a.jpeg", "x.y.gif"}) {
    EXPECT_EQ(PictureFormatOf(name), PictureFormat::Raster) << name;
  }
  EXPECT_EQ(PictureFormatOf("a.emf"), PictureFormat::Metafile);
  EXPECT_EQ(PictureFormatOf("a.ico"), PictureFormat::Icon);
  for (const char* name : {"a.pcx", "a.FPX", "a.webp", "a", "a.jpg.txt"}) {
    EXPECT_EQ(PictureFormatOf(name), PictureFormat::Undrawn) << name;
  }
  // A JPEG with a thumbnail: whole only when an end-of-image marker follows the last scan.
  const std::string thumbnail("\xFF\xD8\xFF\xE1..\xFF\xD8\xFF\xDA.\xFF\xD9", 14);
  const std::string head = "\xFF\xD8" + thumbnail + "\xFF\xDA scan data \xFF\x00\xFF\xD0 more";
  EXPECT_TRUE(LooksLikeJpeg(head));
  EXPECT_FALSE(JpegIsWhole(head));
  EXPECT_TRUE(JpegIsWhole(head + "\xFF\xD9"));
  EXPECT_TRUE(JpegIsWhole(head + "\xFF\xD9 trailing bytes"));
  EXPECT_FALSE(JpegIsWhole(std::string("\xFF\xD8\xFF\xD9", 4)));  // no scan at all
  EXPECT_FALSE(LooksLikeJpeg("\x89PNG"));
}

TEST(TurnedImage, OnlyThePartThatReachesTheCanvasIsDrawn) {
  // A 100 x 100 image at its own size with its corner at (-50, -50): on a 20 x 20 canvas only
  // pixels 50 to 70 in both directions show, and one more on each side is taken.
  ImagePlacement shifted = PlacementOf({{-50, -50}, {50, -50}, {-50, 50}}, 100, 100);
  auto part = PartOnCanvas(shifted, 100, 100, 20, 20);
  ASSERT_TRUE(part);
  EXPECT_EQ(part->x, 49);
  EXPECT_EQ(part->y, 49);
  EXPECT_EQ(part->width, 22);
  EXPECT_EQ(part->height, 22);
  // A quarter turn (the top edge up the left side) zoomed a million times: a pixel or three.
  ImagePlacement zoomed = PlacementOf(
      {{-500000000, 500000000}, {-500000000, -500000000}, {500000000, 500000000}}, 1000, 1000);
  part = PartOnCanvas(zoomed, 1000, 1000, 400, 300);
  ASSERT_TRUE(part);
  EXPECT_LE(part->width, 3);
  EXPECT_LE(part->height, 3);
  EXPECT_EQ(part->x, 498);  // the canvas's 300 rows are image columns 499.9997 to 500
  EXPECT_EQ(part->y, 499);  // and its 400 columns image rows 500 to 500.0004
  // Beside the canvas, or folded flat: nothing.
  EXPECT_FALSE(PartOnCanvas(PlacementOf({{30, 0}, {60, 0}, {30, 20}}, 10, 10), 10, 10, 20, 20));
  EXPECT_FALSE(PartOnCanvas(PlacementOf({{0, 0}, {10, 10}, {20, 20}}, 10, 10), 10, 10, 20, 20));
}

}  // namespace
}  // namespace zf61
