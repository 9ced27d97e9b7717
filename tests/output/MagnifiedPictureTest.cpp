// Pictures several times finer than the drawing area, placed over the same part of the drawing.
#include <gtest/gtest.h>

#include <QImage>

#include "exchange/ExchangeReader.h"
#include "output/PictureGenerator.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"
#include "view/ViewNavigator.h"
#include "window/Captions.h"
#include "window/ControlChecks.h"

namespace zf61 {
namespace {

// A drawing area of `width` x `height` with a disc, a ring and a solid, fitted.
struct Area {
  Area(int width, int height) : canvas(width, height), w(width), h(height) {
    ExchangeReader reader(store);
    for (const char* line : {"ci 0 0 10", "ci 30 5 12", "ci 30 5 6", "lc3", "sl -20 -20 -5 -20",
                             "lc1", "-20 -20 -20 20"}) {
      reader.parseLine(line);
    }
    nav.FitWithoutRedraw();
  }
  GenerationResult run(const ViewWindow& view, int factor, const std::string& name) {
    RegionTracer tracer(store, att);
    PictureGenerator generator(att, view, tracer, renderer, ops);
    PictureControls controls;
    controls.edit1 = (dir / name).string();
    controls.edit2 = "160";
    controls.edit3 = "36";
    controls.fillColour = MakeColour(0, 128, 255);
    controls.magnification = factor;
    return GeneratePicture(generator, controls, "", canvas, dir / "zf61_temp.BMP",
                           (dir / "").string());
  }
  QImage picture() const {
    return QImage(QString::fromStdString((dir / "zf61_temp.BMP").string()));
  }

  test::TempDir dir;
  DrawingStore store;
  TgraAttribute att;
  QtCanvas canvas;
  int w, h;
  ViewNavigator nav{store, [this] { return PaintBoxSize{w, h}; }, nullptr};
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer{store, pictures, esc};
  test::FaultyFileOps ops;
};

TEST(MagnifiedPicture, ThreeTimesFinerOverTheSameRectangle) {
  Area area(160, 120);
  GenerationResult plain = area.run(area.nav.view(), 1, "plain.bmp");
  ASSERT_EQ(plain.outcome, GenerationOutcome::Generated);
  QImage shown = area.picture();
  GenerationResult fine = area.run(area.nav.view(), 3, "fine.bmp");
  ASSERT_EQ(fine.outcome, GenerationOutcome::Generated);
  QImage picture = area.picture();
  EXPECT_EQ(picture.width(), 480);
  EXPECT_EQ(picture.height(), 360);
  // Jw_cad gets the same placement, so the finer picture lies over the same part.
  EXPECT_EQ(fine.placement.pictureX0, plain.placement.pictureX0);
  EXPECT_EQ(fine.placement.pictureY0, plain.placement.pictureY0);
  EXPECT_EQ(fine.placement.pictureWidth, plain.placement.pictureWidth);
  EXPECT_EQ(fine.plan.count(), plain.plan.count());

  // The same picture as a drawing area three times as large with the same rectangle makes.
  Area large(480, 360);
  ViewWindow view = area.nav.view();
  view.Scale *= 3, view.PixelWidth *= 3, view.PixelHeight *= 3;
  ASSERT_EQ(large.run(view, 1, "large.bmp").outcome, GenerationOutcome::Generated);
  QImage expected = large.picture();
  int differing = 0;
  for (int y = 0; y < 360; ++y) {
    for (int x = 0; x < 480; ++x) differing += picture.pixel(x, y) != expected.pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  // The drawing area shows the fine picture scaled down: filled where the plain one is.
  RasterImage now = area.canvas.readPixels();
  PixelPoint centre = area.nav.view().DrawingToWindow(0, 0);
  EXPECT_EQ(now.at(centre.x, centre.y), shown.pixel(centre.x, centre.y));
}

TEST(MagnifiedPicture, EveryDepthAtEveryFactor) {
  Area area(40, 30);
  for (int depth = 0; depth <= 4; ++depth) {
    for (int factor = 1; factor <= kMaxMagnification; ++factor) {
      RegionTracer tracer(area.store, area.att);
      PictureGenerator generator(area.att, area.nav.view(), tracer, area.renderer, area.ops);
      PictureControls controls;
      controls.edit1 = (area.dir / "p.bmp").string();
      controls.edit2 = "128";
      controls.edit3 = "24";
      controls.depthIndex = depth;
      controls.magnification = factor;
      GenerationResult r =
          GeneratePicture(generator, controls, "", area.canvas, area.dir / "zf61_temp.BMP", "");
      ASSERT_EQ(r.outcome, GenerationOutcome::Generated) << depth << " " << factor;
      QImage picture = area.picture();
      EXPECT_EQ(picture.width(), 40 * factor) << depth << " " << factor;
      EXPECT_EQ(picture.height(), 30 * factor) << depth << " " << factor;
    }
  }
}

TEST(MagnifiedPicture, TooLargeIsRefusedBeforeAnyWorkAndForgetsThePrevious) {
  Area area(2100, 2100);  // 4.41 million pixels: 8 x 8 times as many are too many
  ASSERT_EQ(area.run(area.nav.view(), 1, "first.bmp").outcome, GenerationOutcome::Generated);
  ASSERT_TRUE(std::filesystem::exists(area.dir / "zf61_temp.BMP"));
  RasterImage before = area.canvas.readPixels();
  GenerationResult r = area.run(area.nav.view(), 8, "huge.bmp");
  EXPECT_EQ(r.outcome, GenerationOutcome::Refused);
  EXPECT_EQ(r.refusal, Refusal::TooLarge);
  EXPECT_EQ(RefusalMessage(r.refusal), kMessageTooLarge);
  EXPECT_TRUE(r.targetPath.empty());
  EXPECT_TRUE(area.dir.entries().empty());  // the previous picture is gone, nothing written
  EXPECT_EQ(area.canvas.readPixels().pixels, before.pixels);  // nothing was drawn either
  EXPECT_EQ(area.run(area.nav.view(), 1, "again.bmp").outcome, GenerationOutcome::Generated);
}

}  // namespace
}  // namespace zf61
