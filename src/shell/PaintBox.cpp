// PaintBox1.
#include "shell/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/Unit1.h"

namespace zf61 {

PaintBox::PaintBox(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
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
  if (!presenting_) form_.PaintBox1Paint();
  QPainter painter(this);
  painter.drawImage(0, 0, form_.canvas().image());
  inPaint_ = false;
}

void PaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.PaintBox1Resized(size());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  form_.PaintBox1MouseDown(event->position().toPoint(), event->buttons());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  form_.PaintBox1MouseMove(event->position().toPoint());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  form_.PaintBox1MouseUp(event->position().toPoint());
}

}  // namespace zf61
