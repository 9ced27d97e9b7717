// One rendered floor plan (rooms, every dashed type, random line types, circles, arcs,
// ellipses, solids of every kind and a BMP picture) compared with a small golden PNG. On a
// mismatch the actual image and a difference image are written to the build's test-output.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>

#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/GoldenFloorPlan.h"

namespace zf61 {
namespace {

using test::kGoldenDir;

QImage Render() {
  QtCanvas canvas(test::kGoldenWidth, test::kGoldenHeight);
  QtPictureSource pictures;
  EXPECT_TRUE(test::DrawGoldenFloorPlan(canvas, pictures));
  return canvas.image().copy();
}

TEST(GoldenRender, FloorPlanMatchesPixelForPixel) {
  QImage actual = Render();
  QString goldenPath = QString::fromStdString((kGoldenDir / "floor_plan.png").string());
  if (std::getenv("ZF61_UPDATE_GOLDEN")) actual.save(goldenPath);
  QImage golden(goldenPath);
  ASSERT_FALSE(golden.isNull()) << "missing golden image " << goldenPath.toStdString();
  golden = golden.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(golden.size(), actual.size());
  QImage diff(actual.size(), QImage::Format_RGB32);
  diff.fill(Qt::white);
  int differing = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) != golden.pixel(x, y)) {
        ++differing;
        diff.setPixel(x, y, qRgb(255, 0, 0));
      }
    }
  }
  if (differing > 0) {
    actual.save(
        QString::fromStdString((test::kTestOutputDir / "golden_floor_plan_actual.png").string()));
    diff.save(
        QString::fromStdString((test::kTestOutputDir / "golden_floor_plan_diff.png").string()));
  }
  EXPECT_EQ(differing, 0) << "see golden_floor_plan_actual.png and golden_floor_plan_diff.png in "
                          << test::kTestOutputDir;
}

}  // namespace
}  // namespace zf61
