// PaintBox1: the drawing area. It shows the window's canvas and hands its events to TForm1.
#pragma once

#include <QWidget>

namespace zf61 {

class MainWindow;

class PaintBox final : public QWidget {
 public:
  PaintBox(MainWindow& window, QWidget* parent);

  // Shows the canvas as it is now, without the repaint rules (for the window's own drawing).
  void present();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  MainWindow& window_;
  bool presenting_ = false;
  bool inPaint_ = false;
};

// The MouseBits of Qt's buttons.
int MouseBitsOf(Qt::MouseButtons buttons);

}  // namespace zf61
