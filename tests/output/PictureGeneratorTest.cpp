// Picture generation from the controls to the temporary picture.
#include "output/PictureGenerator.h"
#include "window/Captions.h"
#include "window/ControlChecks.h"

#include <gtest/gtest.h>

#include <QImage>

#include "exchange/ExchangeReader.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"
#include "view/ViewNavigator.h"

namespace zf61 {
namespace {

constexpr int kSize = 200;

struct Generation {
  test::TempDir dir;
  DrawingStore store;
  TgraAttribute att;
  QtCanvas canvas{kSize, kSize};
  ViewNavigator nav{store, [] { return PaintBoxSize{kSize, kSize}; }, nullptr};
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer{store, pictures, esc};
  RegionTracer tracer{store, att};
  test::FaultyFileOps ops;
  PictureGenerator generator{att, nav.view(), tracer, renderer, ops};
  PictureControls controls;

  Generation() {
    controls.edit1 = (dir / "out.bmp").string();
    controls.edit2 = "255";
    controls.edit3 = "24";
    controls.fillColour = MakeColour(0, 0, 255);
  }
  void read(std::initializer_list<std::string> lines) {
    ExchangeReader reader(store);
    for (const std::string& line : lines) reader.parseLine(line);
    nav.FitWithoutRedraw();
  }
  GenerationResult run(std::string_view drawingFile = "") {
    return GeneratePicture(generator, controls, drawingFile, canvas, dir / "zf61_temp.BMP",
                           (dir / "program/").string());
  }
  uint32_t pixelAt(double x, double y) {
    PixelPoint p = nav.view().DrawingToWindow(x, y);
    return canvas.readPixels().at(p.x, p.y);
  }
};

TEST(PictureGenerator, MessagesAndClamps) {
  Generation g;
  g.read({"ci 0 0 10"});
  g.controls.edit1 = "";
  g.controls.edit3 = "2";
  GenerationResult r = g.run();
  EXPECT_EQ(r.outcome, GenerationOutcome::Message);
  EXPECT_STREQ(r.message.c_str(), kMessageNoFileName);
  EXPECT_EQ(r.edit3, "3");
  EXPECT_TRUE(r.targetPath.empty());
  g.controls.edit1 = "picture";
  g.controls.edit3 = "99999";
  r = g.run();
  EXPECT_STREQ(r.message.c_str(), kMessageBmpOnly);
  EXPECT_EQ(r.edit3, "3600");
  g.controls.edit1 = "a.png";
  g.controls.edit3 = "abc";
  EXPECT_EQ(g.run().edit3, "3");
  EXPECT_TRUE(g.dir.entries().empty());  // nothing was written
  for (const char* name : {"a.bmp", "b.BmP"}) {
    g.controls.edit1 = (g.dir / name).string();
    EXPECT_EQ(g.run().outcome, GenerationOutcome::Generated) << name;
  }
}

TEST(PictureGenerator, OpacityIsClampedNotRewritten) {
  for (auto [text, expected] :
       {std::pair{"300", 0xFF0000FFu}, std::pair{"-5", 0xFFFFFFFFu}, std::pair{"x", 0xFFFFFFFFu}}) {
    Generation g;
    g.read({"ci 0 0 10"});
    g.controls.edit2 = text;
    ASSERT_EQ(g.run().outcome, GenerationOutcome::Generated);
    EXPECT_EQ(g.pixelAt(0, 0), expected) << text;
  }
}

TEST(PictureGenerator, TargetPathRule) {
  test::TempDir dir;
  std::string folder = dir.path().string() + "/";
  const std::string program = "/opt/zf61/";
  // The typed folder exists: the name as typed.
  EXPECT_EQ(TargetPathFor(folder + "p.bmp", "C:\\jw\\plan.jww", program), folder + "p.bmp");
  // It does not, or there is none: the drawing's folder, where that exists.
  EXPECT_EQ(TargetPathFor("/no/such/folder/p.bmp", folder + "plan.jww", program), folder + "p.bmp");
  EXPECT_EQ(TargetPathFor("p.bmp", folder + "plan.jww", program), folder + "p.bmp");
  // A drawing of another machine (or none): the program's folder, never a folder not there.
  EXPECT_EQ(TargetPathFor("p.bmp", "C:\\jw\\plan.jww", program), program + "p.bmp");
  EXPECT_EQ(TargetPathFor("D:\\no such folder\\p.bmp", "C:\\jw\\plan.jww", program),
            program + "p.bmp");
  EXPECT_EQ(TargetPathFor("p.bmp", "", program), program + "p.bmp");
}

TEST(PictureGenerator, AWriteFailureLeavesNothingAndSaysNothing) {
  Generation g;
  g.read({"ci 0 0 10"});
  test::WriteBytes(g.dir / "zf61_temp.BMP", "old picture");
  g.ops.failWriteAfterBytes = 10;
  GenerationResult r = g.run();
  EXPECT_EQ(r.outcome, GenerationOutcome::Failed);
  EXPECT_TRUE(r.message.empty());
  EXPECT_TRUE(r.targetPath.empty());
  EXPECT_TRUE(g.dir.entries().empty());  // the old temporary picture is gone too
}

TEST(PictureGenerator, PicturesSolidsAndTheRingButNoLines) {
  Generation g;
  std::filesystem::copy_file(std::filesystem::path(ZF61_TEST_DATA_DIR) / "golden/site_photo.bmp",
                             g.dir / "photo.bmp");
  std::string photo = (g.dir / "photo.bmp").string();
  g.read({"ci 0 0 40", "ci 0 0 20", "-50 -45 50 -45", "lc10 255", "sl 30 30 45 30 45 45 30 45",
          "ch -45 25 1 0 \"^@BM" + photo + ",20", "0 0 1 1"});
  g.controls.depthIndex = 3;
  GenerationResult r = g.run("C:\\jw\\plan.jww");
  ASSERT_EQ(r.outcome, GenerationOutcome::Generated);
  EXPECT_EQ(r.placement.pictureX0, g.nav.view().Left);
  EXPECT_EQ(r.placement.pictureWidth, g.nav.view().Right - g.nav.view().Left);
  EXPECT_EQ(g.pixelAt(0, 30), 0xFF0000FFu);    // the ring, filled opaque blue
  EXPECT_EQ(g.pixelAt(0, 5), 0xFFFFFFFFu);     // the inner disc is not filled
  EXPECT_EQ(g.pixelAt(40, 40), 0xFFFF0000u);   // the solid in its own red
  EXPECT_EQ(g.pixelAt(-48, 48), 0xFFFFFFFFu);  // background
  EXPECT_NE(g.pixelAt(-35, 28), 0xFFFFFFFFu);  // inside the photo
  EXPECT_EQ(g.pixelAt(0, -45), 0xFFFFFFFFu);   // no line
  QImage saved(QString::fromStdString((g.dir / "zf61_temp.BMP").string()));
  ASSERT_EQ(saved.width(), kSize);
  PixelPoint p = g.nav.view().DrawingToWindow(0, 30);
  EXPECT_EQ(saved.pixel(p.x, p.y), 0xFF0000FFu);
}

TEST(PictureGenerator, TwoColoursOnScreenAsSaved) {
  Generation g;
  g.read({"ci 0 0 40", "lc10 3394611", "sl 30 30 45 30 45 45 30 45"});
  g.controls.depthIndex = 0;
  g.controls.edit2 = "100";
  ASSERT_EQ(g.run().outcome, GenerationOutcome::Generated);
  for (uint32_t p : g.canvas.readPixels().pixels) {
    ASSERT_TRUE(p == 0xFF000000u || p == 0xFFFFFFFFu) << std::hex << p;
  }
}

}  // namespace
}  // namespace zf61
