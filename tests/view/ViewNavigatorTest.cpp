#include "view/ViewNavigator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zf61 {
namespace {

struct Fixture {
  DrawingStore store;
  PaintBoxSize size{400, 200};
  int redraws = 0;
  ViewNavigator nav{store, [this] { return size; }, [this] { ++redraws; }};
};

void AddLine(DrawingStore& s, double x1, double y1, double x2, double y2) {
  LineFigure& l = s.appendLine();
  l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
}

TEST(ViewNavigator, FitAllFillsNinetyFivePercent) {
  Fixture f;
  f.nav.FitAll();
  // An empty drawing: 200 x 200 units about the origin, limited by the height.
  EXPECT_DOUBLE_EQ(f.nav.view().Scale, 200.0 / 200.0 * 0.95);
  EXPECT_DOUBLE_EQ((f.nav.view().Left + f.nav.view().Right) / 2, 0.0);
  EXPECT_EQ(f.redraws, 1);
  // Figures on one horizontal line: the height is floored, the width decides.
  AddLine(f.store, 0, 5, 100, 5);
  AddLine(f.store, 100, 5, 300, 5);
  f.nav.FitAll();
  EXPECT_DOUBLE_EQ(f.nav.view().Scale, 400.0 / 300.0 * 0.95);
  EXPECT_DOUBLE_EQ(f.nav.view().Right - f.nav.view().Left, 400.0 / f.nav.view().Scale);
  EXPECT_DOUBLE_EQ((f.nav.view().Bottom + f.nav.view().Top) / 2, 5.0);
}

TEST(ViewNavigator, ZoomAtKeepsThePointUnderThePointer) {
  Fixture f;
  AddLine(f.store, 0, 0, 100, 50);
  f.nav.FitAll();
  double scale = f.nav.view().Scale;
  PointD before = f.nav.view().WindowToDrawing(123, 45);
  for (int i = 0; i < 3; ++i) f.nav.ZoomAt(123, 45, kZoomStep);
  EXPECT_NEAR(f.nav.view().Scale, scale * 3.375, 1e-12);
  PointD after = f.nav.view().WindowToDrawing(123, 45);
  EXPECT_NEAR(after.x, before.x, 1e-9);
  EXPECT_NEAR(after.y, before.y, 1e-9);
}

TEST(ViewNavigator, SwapTwiceReturnsAndWindowsHaveAFloor) {
  Fixture f;
  f.nav.FitAll();
  ViewRect fitted = f.nav.view();
  f.nav.CenterAt({50, 60});
  ViewRect centred = f.nav.view();
  f.nav.SwapPreviousView();
  EXPECT_EQ(f.nav.view().Left, fitted.Left);
  f.nav.SwapPreviousView();
  EXPECT_EQ(f.nav.view().Left, centred.Left);
  EXPECT_EQ(f.nav.view().Top, centred.Top);
  // A zoom window narrower than 0.001 uses 0.001.
  f.nav.ZoomWindow({10, 0}, {10.0001, 100});
  EXPECT_DOUBLE_EQ(f.nav.view().Scale, std::min(400 / 0.001, 200 / 100.0));
  f.nav.ZoomWindow({10, 0}, {10.0001, 0.00001});
  EXPECT_DOUBLE_EQ(f.nav.view().Scale, 200 / 0.001);
  // Zoom out half: half the scale, centred on the middle of the two points.
  double scale = f.nav.view().Scale;
  f.nav.ZoomOutHalf({0, 0}, {2, 2});
  EXPECT_DOUBLE_EQ(f.nav.view().Scale, scale / 2);
  EXPECT_DOUBLE_EQ((f.nav.view().Left + f.nav.view().Right) / 2, 1.0);
}

TEST(ViewNavigator, EndlessZoomingNeverLeavesAnUnusableView) {
  Fixture f;
  AddLine(f.store, 0, 0, 10, 10);
  f.nav.FitAll();
  for (int i = 0; i < 3000; ++i) {
    f.nav.ZoomAt(200, 100, kZoomStep);
    ASSERT_TRUE(IsUsableView(f.nav.view())) << i;
  }
  for (int i = 0; i < 6000; ++i) {
    f.nav.ZoomAt(3, 7, 1 / kZoomStep);
    ASSERT_TRUE(IsUsableView(f.nav.view())) << i;
  }
  for (int i = 0; i < 3000; ++i) f.nav.ZoomOutHalf({0, 0}, {1, 1});
  ASSERT_TRUE(IsUsableView(f.nav.view()));
  f.nav.FitAll();
  EXPECT_NEAR(f.nav.view().Scale, 200 / 200.0 * 0.95, 1e-9);  // one figure: 100 units of margin
  // A paint box of no size still gets a usable fitted view.
  f.size = {0, 0};
  f.nav.FitAll();
  EXPECT_TRUE(IsUsableView(f.nav.view()));
}

TEST(ViewNavigator, ResizeKeepsCentreAndScale) {
  Fixture f;
  AddLine(f.store, 0, 0, 100, 50);
  f.nav.FitAll();
  double scale = f.nav.view().Scale;
  double cx = (f.nav.view().Left + f.nav.view().Right) / 2;
  int redraws = f.redraws;
  f.nav.Resize({800, 300});
  EXPECT_EQ(f.nav.view().Scale, scale);
  EXPECT_DOUBLE_EQ((f.nav.view().Left + f.nav.view().Right) / 2, cx);
  EXPECT_DOUBLE_EQ(f.nav.view().Right - f.nav.view().Left, 800 / scale);
  EXPECT_EQ(f.redraws, redraws);
}

}  // namespace
}  // namespace zf61
