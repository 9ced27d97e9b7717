// The window's gestures, keys, wheel and resizing, and what they do to the view.
#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include "FormFixture.h"

namespace zf61 {
namespace {

const std::string kDrawing =
    "hq\r\n0 0 100 0\r\n100 0 100 60\r\n100 60 0 60\r\n0 60 0 0\r\nci 50 30 10\r\n";

const Qt::MouseButtons kBoth = Qt::LeftButton | Qt::RightButton;

struct Navigation : test::FormFixture {
  Navigation() : FormFixture(kDrawing) { start(); }
  void gesture(QPoint from, QPoint to, Qt::MouseButtons buttons = kBoth) {
    form->PaintBox1MouseDown(from, buttons);
    form->PaintBox1MouseMove(to);
    form->PaintBox1MouseUp(to);
  }
  PointD centre() const {
    const ViewWindow& v = form->view();
    return {(v.Left + v.Right) / 2, (v.Bottom + v.Top) / 2};
  }
};

TEST(Navigation, ShowDrawsIntoTheBackBuffer) {
  Navigation n;
  EXPECT_TRUE(n.form->hasBackBuffer());
  const QImage& image = n.form->canvas().image();
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 255));  // the aqua frame
  EXPECT_EQ(image.width(), n.form->paintBox()->width());
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
}

TEST(Navigation, LeftDownTwiceReturnsAndRightUpFits) {
  Navigation n;
  n.form->FormKeyDown(Qt::Key_PageUp, Qt::NoModifier);
  ViewWindow zoomed = n.form->view();
  n.gesture({100, 100}, {40, 160});  // left and down: swap with the previous view
  EXPECT_NE(n.form->view().Scale, zoomed.Scale);
  n.gesture({100, 100}, {40, 160});
  EXPECT_EQ(n.form->view().Scale, zoomed.Scale);
  EXPECT_EQ(n.form->view().Left, zoomed.Left);
  n.gesture({100, 100}, {160, 40});  // right and up: fit
  n.form->FormKeyDown(Qt::Key_Home, Qt::NoModifier);
  double fitted = n.form->view().Scale;
  n.gesture({100, 100}, {40, 40});  // left and up: half the scale
  EXPECT_DOUBLE_EQ(n.form->view().Scale, fitted / 2);
}

TEST(Navigation, RubberBandIsXoredOnAndOff) {
  Navigation n;
  QImage clean = n.form->canvas().image().copy();
  n.form->PaintBox1MouseDown({30, 30}, kBoth);
  n.form->PaintBox1MouseMove({120, 90});
  EXPECT_NE(n.form->canvas().image(), clean);
  n.form->PaintBox1MouseMove({30, 31});  // a band of no size: the old one erased, none drawn
  EXPECT_EQ(n.form->canvas().image(), clean);
}

TEST(Navigation, WheelNotchesZoomAboutThePointer) {
  Navigation n;
  double scale = n.form->view().Scale;
  QPoint at(80, 70);
  PointD under = n.form->view().WindowToDrawing(at.x(), at.y());
  QWidget* box = n.form->paintBox();
  for (int i = 0; i < 3; ++i) {
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  }
  EXPECT_NEAR(n.form->view().Scale, scale * 3.375, 1e-9);
  PointD after = n.form->view().WindowToDrawing(at.x(), at.y());
  EXPECT_NEAR(after.x, under.x, 1e-9);
  EXPECT_NEAR(after.y, under.y, 1e-9);
}

TEST(Navigation, ArrowKeysPanByHalfOrATenth) {
  Navigation n;
  ViewWindow v = n.form->view();
  double width = v.Right - v.Left;
  QTest::keyClick(n.form.get(), Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_NEAR(n.form->view().Left, v.Left - width / 10, 1e-9);
  QTest::keyClick(n.form.get(), Qt::Key_Left);
  EXPECT_NEAR(n.form->view().Left, v.Left - width / 10 - width / 2, 1e-9);
  QTest::keyClick(n.form.get(), Qt::Key_Up);
  EXPECT_NEAR(n.form->view().Bottom, v.Bottom + (v.Top - v.Bottom) / 2, 1e-9);
  // Keys reach the form before the controls: an edit box does not see the arrow.
  EXPECT_TRUE(n.form->FormKeyDown(Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(n.form->FormKeyDown(Qt::Key_A, Qt::NoModifier));
}

TEST(Navigation, MiddleDragMovesThePressedPointUnderTheRelease) {
  Navigation n;
  PointD pressed = n.form->view().WindowToDrawing(100, 100);
  n.gesture({100, 100}, {150, 120}, Qt::MiddleButton);
  PointD now = n.form->view().WindowToDrawing(150, 120);
  EXPECT_NEAR(now.x, pressed.x, 1e-9);
  EXPECT_NEAR(now.y, pressed.y, 1e-9);
}

TEST(Navigation, ResizingKeepsCentreAndScale) {
  Navigation n;
  PointD centre = n.centre();
  double scale = n.form->view().Scale;
  n.form->resize(800, 600);
  QApplication::processEvents();
  EXPECT_EQ(n.form->view().PixelWidth, n.form->paintBox()->width());
  EXPECT_NEAR(n.centre().x, centre.x, 1e-9);
  EXPECT_NEAR(n.centre().y, centre.y, 1e-9);
  EXPECT_EQ(n.form->view().Scale, scale);
  n.form->resize(100, 50);  // not below 475 x 200
  QApplication::processEvents();
  EXPECT_GE(n.form->width(), 475);
  EXPECT_GE(n.form->height(), 200);
}

}  // namespace
}  // namespace zf61
