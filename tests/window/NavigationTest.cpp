// The window's gestures, keys, wheel and resizing, and what they do to the view.
#include <gtest/gtest.h>

#include "FakeFrontEnd.h"
#include "window/KeyCodes.h"

namespace zf61 {
namespace {

const std::string kDrawing =
    "hq\r\n0 0 100 0\r\n100 0 100 60\r\n100 60 0 60\r\n0 60 0 0\r\nci 50 30 10\r\n";

constexpr int kBoth = kMouseLeft | kMouseRight;

struct Navigation : test::FormFixture {
  Navigation() : FormFixture(kDrawing) { start(); }
  void gesture(PixelPoint from, PixelPoint to, int buttons = kBoth) {
    form->PaintBox1MouseDown(from.x, from.y, buttons);
    form->PaintBox1MouseMove(to.x, to.y);
    form->PaintBox1MouseUp(to.x, to.y);
  }
  PointD centre() const {
    const ViewWindow& v = form->view();
    return {(v.Left + v.Right) / 2, (v.Bottom + v.Top) / 2};
  }
  RasterImage pixels() const { return frontEnd.canvas->readPixels(); }
};

TEST(Navigation, ShowDrawsIntoTheBackBufferAndRepaintsFromIt) {
  Navigation n;
  EXPECT_TRUE(n.form->hasBackBuffer());
  EXPECT_EQ(n.frontEnd.canvas->at(0, 0), 0xFF00FFFFu);  // the aqua frame
  EXPECT_EQ(n.form->view().PixelWidth, 400);
  RasterImage drawn = n.pixels();
  n.form->PaintBox1Paint();
  EXPECT_EQ(n.pixels().pixels, drawn.pixels);
  // A larger drawing area shows the old picture at the top left and the blue frame beyond it
  // (a rectangle leaves out its right and bottom edges, so the frame is one pixel inside).
  n.form->PaintBox1Resized(500, 350);
  n.form->PaintBox1Paint();
  EXPECT_EQ(n.frontEnd.canvas->at(498, 348), 0xFF0000FFu);
  EXPECT_EQ(n.frontEnd.canvas->at(499, 349), 0xFFFFFFFFu);
  EXPECT_EQ(n.frontEnd.canvas->at(0, 0), 0xFF00FFFFu);
}

TEST(Navigation, TwoButtonClicksAndWindows) {
  Navigation n;
  ViewWindow before = n.form->view();
  // 200 right and 3 down: within 5 pixels on one axis, so a click that centres on the press.
  PointD press = before.WindowToDrawing(50, 60);
  n.gesture({50, 60}, {250, 63});
  EXPECT_NEAR(n.centre().x, press.x, 1e-9);
  EXPECT_NEAR(n.centre().y, press.y, 1e-9);
  EXPECT_EQ(n.form->view().Scale, before.Scale);
  double scale = n.form->view().Scale;
  n.gesture({50, 60}, {55, 110});  // 5 right: still a click
  EXPECT_EQ(n.form->view().Scale, scale);
  n.gesture({50, 60}, {56, 110});  // 6 right and down: a zoom window
  EXPECT_GT(n.form->view().Scale, scale);
  // One button alone does nothing; the second release of a chord finds the gesture over.
  ViewWindow now = n.form->view();
  n.gesture({50, 60}, {200, 200}, kMouseLeft);
  n.form->PaintBox1MouseUp(200, 200);
  EXPECT_EQ(n.form->view().Left, now.Left);
  EXPECT_EQ(n.form->view().Scale, now.Scale);
}

TEST(Navigation, LeftDownTwiceReturnsAndRightUpFits) {
  Navigation n;
  n.form->FormKeyDown(kVkPageUp, false);
  ViewWindow zoomed = n.form->view();
  n.gesture({100, 100}, {40, 160});  // left and down: swap with the previous view
  EXPECT_NE(n.form->view().Scale, zoomed.Scale);
  n.gesture({100, 100}, {40, 160});
  EXPECT_EQ(n.form->view().Scale, zoomed.Scale);
  EXPECT_EQ(n.form->view().Left, zoomed.Left);
  n.gesture({100, 100}, {160, 40});  // right and up: fit
  n.form->FormKeyDown(kVkHome, false);
  double fitted = n.form->view().Scale;
  n.gesture({100, 100}, {40, 40});  // left and up: half the scale
  EXPECT_DOUBLE_EQ(n.form->view().Scale, fitted / 2);
}

TEST(Navigation, RubberBandIsXoredOnAndOff) {
  Navigation n;
  RasterImage clean = n.pixels();
  n.form->PaintBox1MouseDown(30, 30, kBoth);
  n.form->PaintBox1MouseMove(120, 90);
  EXPECT_NE(n.pixels().pixels, clean.pixels);
  EXPECT_EQ(n.frontEnd.canvas->at(60, 30), 0xFFFF0000u);  // red over white: aqua XOR white
  n.form->PaintBox1MouseMove(30, 31);  // a band of no size: the old one erased, none drawn
  EXPECT_EQ(n.pixels().pixels, clean.pixels);
}

TEST(Navigation, WheelNotchesZoomAboutThePointer) {
  Navigation n;
  double scale = n.form->view().Scale;
  PointD under = n.form->view().WindowToDrawing(80, 70);
  for (int i = 0; i < 3; ++i) n.form->FormMouseWheel(80, 70, -120);
  n.form->FormMouseWheel(80, 70, -60);  // half a notch: nothing yet
  EXPECT_NEAR(n.form->view().Scale, scale * 3.375, 1e-9);
  PointD after = n.form->view().WindowToDrawing(80, 70);
  EXPECT_NEAR(after.x, under.x, 1e-9);
  EXPECT_NEAR(after.y, under.y, 1e-9);
  EXPECT_EQ(n.frontEnd.notesFocused, 3);
  n.form->FormMouseWheel(80, 70, -60);  // the second half makes a notch
  EXPECT_NEAR(n.form->view().Scale, scale * 3.375 * 1.5, 1e-9);
  n.form->FormMouseWheel(80, 70, 240);  // two notches out
  EXPECT_NEAR(n.form->view().Scale, scale * 2.25, 1e-9);
}

TEST(Navigation, KeysPanZoomAndAreConsumed) {
  Navigation n;
  ViewWindow v = n.form->view();
  double width = v.Right - v.Left;
  EXPECT_TRUE(n.form->FormKeyDown(kVkLeft, true));
  EXPECT_NEAR(n.form->view().Left, v.Left - width / 10, 1e-9);
  n.form->FormKeyDown(kVkLeft, false);
  EXPECT_NEAR(n.form->view().Left, v.Left - width / 10 - width / 2, 1e-9);
  n.form->FormKeyDown(kVkUp, false);
  EXPECT_NEAR(n.form->view().Bottom, v.Bottom + (v.Top - v.Bottom) / 2, 1e-9);
  n.form->FormKeyDown(kVkPageDown, false);
  EXPECT_NEAR(n.form->view().Scale, v.Scale / 1.5, 1e-12);
  EXPECT_TRUE(n.form->FormKeyDown(kVkEscape, false));
  EXPECT_FALSE(n.form->FormKeyDown('A', false));
}

TEST(Navigation, MiddleDragMovesThePictureThenTheView) {
  Navigation n;
  PointD pressed = n.form->view().WindowToDrawing(100, 100);
  RasterImage before = n.pixels();
  n.form->PaintBox1MouseDown(100, 100, kMouseMiddle);
  n.form->PaintBox1MouseMove(150, 120);
  EXPECT_EQ(n.frontEnd.canvas->at(50, 20), before.at(0, 0));  // the picture follows the pointer
  n.form->PaintBox1MouseUp(150, 120);
  PointD now = n.form->view().WindowToDrawing(150, 120);
  EXPECT_NEAR(now.x, pressed.x, 1e-9);
  EXPECT_NEAR(now.y, pressed.y, 1e-9);
}

TEST(Navigation, ResizingKeepsCentreAndScale) {
  Navigation n;
  PointD centre = n.centre();
  double scale = n.form->view().Scale;
  n.form->PaintBox1Resized(800, 600);
  EXPECT_EQ(n.form->view().PixelWidth, 800);
  EXPECT_NEAR(n.centre().x, centre.x, 1e-9);
  EXPECT_NEAR(n.centre().y, centre.y, 1e-9);
  EXPECT_EQ(n.form->view().Scale, scale);
}

}  // namespace
}  // namespace zf61
