// TForm1: the full redraw, repaints from the back buffer, and navigation with keys, the wheel,
// two-button gestures, the middle-button drag and resizing.
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include "fill/FillPainter.h"
#include "shell/PaintBox.h"
#include "shell/Unit1.h"
#include "view/CanvasPrimitives.h"
#include "view/Stroking.h"

namespace zf61 {
namespace {

constexpr Colour kAqua = 0x00FFFF00;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kRed = 0x000000FF;
// Half the size of the origin mark, in pixels.
constexpr double kOriginMarkPixels = 5.0;
constexpr int32_t kOriginPenWidth = 2;
constexpr int32_t kRubberBandWidth = 3;
// A two-button release within this many pixels of the press on either axis is a click.
constexpr double kClickPixels = 5.0;
// Shift makes an arrow key move a fifth of its usual half view.
constexpr double kFineStepDivisor = 5.0;
constexpr int kWheelNotch = 120;

}  // namespace

void TForm1::Present() {
  paintBox_->present();
}

void TForm1::RedrawView() {
  if (!ready_) return;
  bandOnScreen_ = false;
  int32_t w = canvas_->width(), h = canvas_->height();
  FillPainter drawingState(navigator_->view());
  drawingState.BeginGraphics(*canvas_);
  ClearCanvas(*canvas_, att_, w, h);
  SetPen(*canvas_, kAqua, 0, 0);
  RectanglePx(*canvas_, 0, 0, w - 1, h - 1);
  SetPen(*canvas_, kRed, 0, kOriginPenWidth);
  DrawContext ctx(*canvas_, navigator_->view(), att_);
  double mark = kOriginMarkPixels / navigator_->view().Scale;
  DrawClippedLine(ctx, -mark, 0.0, mark, 0.0);
  DrawClippedLine(ctx, 0.0, -mark, 0.0, mark);
  renderer_->DrawAll(ctx);  // an Esc interruption keeps the partial picture
  drawingState.EndGraphics();
  backBuffer_ = canvas_->image().copy();
  if (backBuffer_->isNull()) backBuffer_.reset();
  Present();
}

void TForm1::PaintBox1Paint() {
  bandOnScreen_ = false;
  if (!backBuffer_) {
    navigator_->FitAll();
    return;
  }
  int32_t w = canvas_->width(), h = canvas_->height();
  ClearCanvas(*canvas_, att_, w, h);
  SetPen(*canvas_, kBlue, 0, 0);
  RectanglePx(*canvas_, 0, 0, w - 1, h - 1);
  canvas_->blit(*backBuffer_, 0, 0);
}

// FormResize: the form's minimum size keeps it at least 475 x 200; the paint box follows the
// layout, and the view keeps its centre and scale without a redraw.
void TForm1::PaintBox1Resized(QSize size) {
  canvas_ = std::make_unique<QtCanvas>(size.width(), size.height());
  if (ready_) navigator_->Resize({size.width(), size.height()});
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const ViewWindow& v = navigator_->view();
  switch (key) {
    case Qt::Key_PageUp:
      navigator_->ZoomAt(paintBox_->width() / 2, paintBox_->height() / 2, kZoomStep);
      return true;
    case Qt::Key_PageDown:
      navigator_->ZoomAt(paintBox_->width() / 2, paintBox_->height() / 2, 1.0 / kZoomStep);
      return true;
    case Qt::Key_End:
    case Qt::Key_Insert:
      navigator_->CenterDrawing();
      return true;
    case Qt::Key_Home:
      navigator_->FitAll();
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      double divisor = (modifiers & Qt::ShiftModifier) ? kFineStepDivisor : 1.0;
      double d = std::fabs(v.Right - v.Left) / 2 / divisor;
      double e = std::fabs(v.Top - v.Bottom) / 2 / divisor;
      if (key == Qt::Key_Left) navigator_->PanBy(-d, 0);
      if (key == Qt::Key_Right) navigator_->PanBy(d, 0);
      if (key == Qt::Key_Up) navigator_->PanBy(0, e);
      if (key == Qt::Key_Down) navigator_->PanBy(0, -e);
      return true;
    }
    case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

void TForm1::FormMouseWheel(QPoint position, bool down) {
  memo1_->setFocus();
  navigator_->ZoomAt(position.x(), position.y(), down ? kZoomStep : 1.0 / kZoomStep);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return FormKeyDown(key->key(), key->modifiers());
  }
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    // Every notch of 120 is one zoom step; finer wheels add up to notches.
    wheelRemainder_ += wheel->angleDelta().y();
    QPoint position = paintBox_->mapFromGlobal(wheel->globalPosition().toPoint());
    while (wheelRemainder_ <= -kWheelNotch) {
      wheelRemainder_ += kWheelNotch;
      FormMouseWheel(position, true);
    }
    while (wheelRemainder_ >= kWheelNotch) {
      wheelRemainder_ -= kWheelNotch;
      FormMouseWheel(position, false);
    }
    return true;
  }
  return false;
}

void TForm1::PaintBox1MouseDown(QPoint position, Qt::MouseButtons buttons) {
  if (!(mouseState_ & (kMouseLeft | kMouseRight))) pressPoint_ = position;
  if (buttons & Qt::LeftButton) mouseState_ |= kMouseLeft;
  if (buttons & Qt::RightButton) mouseState_ |= kMouseRight;
  if (buttons & Qt::MiddleButton) mouseState_ |= kMouseMiddle;
  if (mouseState_ & kMouseMiddle) {
    dragImage_ = canvas_->image().copy();
    if (dragImage_->isNull()) dragImage_.reset();
  }
}

void TForm1::DrawRubberBand() {
  SetXorMode(*canvas_);
  SetPen(*canvas_, att_.BackgroundIndex() == 0 ? kAqua : kRed, 0, kRubberBandWidth);
  SetBrush(*canvas_, 0, 0);
  RectanglePx(*canvas_, band_.left(), band_.top(), band_.right(), band_.bottom());
}

void TForm1::PaintBox1MouseMove(QPoint position) {
  bool bothButtons = (mouseState_ & kMouseLeft) && (mouseState_ & kMouseRight);
  if (bothButtons) {
    if (bandOnScreen_) DrawRubberBand();
    // QRect's right and bottom are the corner given, as the band's end point.
    band_ = QRect(pressPoint_, position);
    DrawRubberBand();
    bandOnScreen_ = true;
    Present();
  } else if ((mouseState_ & kMouseMiddle) && dragImage_) {
    ClearCanvas(*canvas_, att_, canvas_->width(), canvas_->height());
    canvas_->blit(*dragImage_, position.x() - pressPoint_.x(), position.y() - pressPoint_.y());
    Present();
  }
}

void TForm1::TwoButtonRelease(QPoint release, PointD p, PointD q) {
  if (bandOnScreen_) {
    DrawRubberBand();
    bandOnScreen_ = false;
    Present();
  }
  // Within 5 pixels on either axis is a click. Compared in pixels: the same test as
  // |Qx - Px| <= 5 / Scale, without the rounding that can put exactly 5 pixels just over it.
  QPoint moved = release - pressPoint_;
  if (std::abs(moved.x()) <= kClickPixels || std::abs(moved.y()) <= kClickPixels) {
    navigator_->CenterAt(p);
  } else if (q.x > p.x && q.y < p.y) {
    navigator_->ZoomWindow(p, q);
  } else if (q.x < p.x && q.y > p.y) {
    navigator_->ZoomOutHalf(p, q);
  } else if (q.x > p.x && q.y > p.y) {
    navigator_->FitAll();
  } else {
    navigator_->SwapPreviousView();
  }
}

void TForm1::MiddleDragRelease(PointD p, PointD q) {
  dragImage_.reset();
  navigator_->PanBy(p.x - q.x, p.y - q.y);
}

void TForm1::PaintBox1MouseUp(QPoint position) {
  const ViewWindow& v = navigator_->view();
  PointD p = v.WindowToDrawing(pressPoint_.x(), pressPoint_.y());
  PointD q = v.WindowToDrawing(position.x(), position.y());
  if ((mouseState_ & kMouseLeft) && (mouseState_ & kMouseRight)) {
    TwoButtonRelease(position, p, q);
  } else if (mouseState_ & kMouseMiddle) {
    MiddleDragRelease(p, q);
  }
  mouseState_ = 0;
}

}  // namespace zf61
