// PaintBox1: the drawing area. It shows the window's canvas and hands its events to TForm1.
#pragma once

#include <QWidget>

namespace zf61 {

class TForm1;

class PaintBox final : public QWidget {
 public:
  PaintBox(TForm1& form, QWidget* parent);

  // Shows the canvas as it is now, without the repaint rules (for the window's own drawing).
  void present();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TForm1& form_;
  bool presenting_ = false;
  bool inPaint_ = false;
};

}  // namespace zf61
