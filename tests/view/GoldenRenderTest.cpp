// One rendered floor plan (rooms, every dashed type, random line types, circles, arcs,
// ellipses, solids of every kind and a BMP picture) compared with a small golden PNG. On a
// mismatch the actual image and a difference image are written beside the build.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>

#include "exchange/ExchangeReader.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

namespace zf61 {
namespace {

const std::filesystem::path kGoldenDir = std::filesystem::path(ZF61_TEST_DATA_DIR) / "golden";
constexpr int kWidth = 480;
constexpr int kHeight = 360;

QImage Render() {
  DrawingStore store;
  ExchangeReader reader(store);
  EXPECT_TRUE(reader.readExchangeFile(kGoldenDir / "JWC_TEMP.TXT"));
  TgraAttribute att;
  QtCanvas canvas(kWidth, kHeight);
  ViewNavigator nav(
      store,
      [] {
        return PaintBoxSize{kWidth, kHeight};
      },
      nullptr);
  nav.FitWithoutRedraw();
  DrawContext ctx(canvas, nav.view(), att);
  ClearCanvas(canvas, att, kWidth, kHeight);
  // Picture names in the drawing are relative to the current folder, as Jw_cad writes them.
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(kGoldenDir);
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer(store, pictures, esc).DrawAll(ctx);
  std::filesystem::current_path(previous);
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
    actual.save("golden_floor_plan_actual.png");
    diff.save("golden_floor_plan_diff.png");
  }
  EXPECT_EQ(differing, 0) << "see golden_floor_plan_actual.png and golden_floor_plan_diff.png in "
                          << std::filesystem::current_path();
}

}  // namespace
}  // namespace zf61
