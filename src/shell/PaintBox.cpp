// PaintBox1.
#include "shell/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/MainWindow.h"
#include "window/KeyCodes.h"

namespace zf61 {

int MouseBitsOf(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) bits |= kMouseLeft;
  if (buttons & Qt::RightButton) bits |= kMouseRight;
  if (buttons & Qt::MiddleButton) bits |= kMouseMiddle;
  return bits;
}

PaintBox::PaintBox(MainWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the room under the pointer is told without a button held
  setFocusPolicy(Qt::NoFocus);
}

void PaintBox::present() {
  if (inPaint_) return;  // the paint event under way shows the canvas when it ends
  presenting_ = true;
  repaint();
  presenting_ = false;
}

void PaintBox::paintEvent(QPaintEvent*) {
  inPaint_ = true;
  // A paint the window system asks for is served from the back buffer; our own drawing is only
  // shown as it is.
  if (!presenting_) window_.form().PaintBox1Paint();
  QPainter painter(this);
  painter.drawImage(0, 0, window_.canvas().image());
  inPaint_ = false;
}

void PaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (TForm1* form = window_.formIfCreated()) form->PaintBox1Resized(width(), height());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  window_.form().PaintBox1MouseDown(at.x(), at.y(), MouseBitsOf(event->buttons()));
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  window_.form().PaintBox1MouseMove(at.x(), at.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  window_.form().PaintBox1MouseUp(at.x(), at.y());
}

}  // namespace zf61
