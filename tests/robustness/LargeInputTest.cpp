// Large inputs stay bounded: a 100 MB line, and many regions of many points painted at once.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exchange/ExchangeReader.h"
#include "fill/FillPainter.h"
#include "platform/QtCanvas.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

TEST(LargeInput, AHundredMegabyteLine) {
  test::TempDir dir;
  std::string content = "0 0 1 1\r\nch 0 0 1 0 \"";
  content.append(100u << 20, 'x');
  content += "\r\n2 2 3 3\r\n";
  test::WriteBytes(dir / "big.txt", content);
  content = {};
  DrawingStore store;
  ExchangeReader reader(store);
  ASSERT_TRUE(reader.readExchangeFile(dir / "big.txt"));
  EXPECT_EQ(store.lines.size(), 2u);
  ASSERT_EQ(store.texts.size(), 1u);
  EXPECT_EQ(store.texts[0].text.size(), 255u);
}

TEST(LargeInput, TenThousandRegionsOfAThousandPoints) {
  std::vector<ClosedRegion> regions(10000);
  for (size_t r = 0; r < regions.size(); ++r) {
    double cx = static_cast<double>(r % 100) * 10, cy = static_cast<double>(r / 100) * 10;
    for (int i = 0; i <= 1000; ++i) {
      double a = i * kTwoPi / 1000;
      regions[r].points.push_back({cx + 4 * std::cos(a), cy + 4 * std::sin(a)});
    }
  }
  QtCanvas canvas(500, 500);
  ViewWindow view;
  view.Scale = 0.5;
  view.PixelWidth = 500, view.PixelHeight = 500;
  view.SetRectangle(500, 500);
  FillPainter painter(view);
  painter.BeginGraphics(canvas);
  painter.FillRegions(regions, MakeColour(0, 0, 255), 255);
  painter.EndGraphics();
  PixelPoint centre = view.DrawingToWindow(500, 500);
  EXPECT_EQ(canvas.readPixels().at(centre.x, centre.y), 0xFF0000FFu);
}

}  // namespace
}  // namespace zf61
