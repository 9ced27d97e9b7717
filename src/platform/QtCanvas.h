// The canvas on a QImage (RGB32) through QPainter, with anti-aliasing off and GDI's pixel rules.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "view/Canvas.h"
#include "view/ThinLines.h"

namespace zf61 {

// A picture with transparent parts (an icon through its mask) that the canvas draws over what
// is there.
class QtTranslucentPicture final : public PlatformPicture {
 public:
  explicit QtTranslucentPicture(QImage image) : image_(std::move(image)) {}
  const QImage& image() const { return image_; }

 private:
  QImage image_;  // ARGB32
};

uint32_t ToRgb32(Colour colour);

class QtCanvas final : public Canvas {
 public:
  QtCanvas(int32_t width, int32_t height);
  ~QtCanvas() override;
  std::unique_ptr<Canvas> makeCanvas(int32_t width, int32_t height) const override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  int32_t width() const override { return image_.width(); }
  int32_t height() const override { return image_.height(); }
  void setPen(Colour colour, int32_t width) override;
  Colour penColour() const override { return penColour_; }
  void setPenMode(PenMode mode) override;
  void setBrush(Colour colour, BrushStyle style) override;
  void moveTo(int32_t x, int32_t y) override;
  void lineTo(int32_t x, int32_t y) override;
  void setPixel(int32_t x, int32_t y, Colour colour) override;
  void segments(const std::vector<PixelPoint>& ends) override;
  void chain(const PixelPoint* points, size_t count) override;
  bool thinLineRows(PixelRows& rows, uint32_t& pixel) override;
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void polyline(const std::vector<PixelPoint>& points) override;
  void polygon(const std::vector<PixelPoint>& points) override;
  void fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures, uint32_t argb) override;
  void drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) override;
  void drawImageTurned(const RasterImage& image, const ImageCorners& corners) override;
  void drawPicture(const Picture& picture, int32_t left, int32_t top, int32_t right,
                   int32_t bottom) override;
  void drawPictureTurned(const Picture& picture, const ImageCorners& corners) override;
  RasterImage readPixels() const override;
  void writePixels(const RasterImage& image) override;

  // Copies an image with its top-left corner at (x, y), plainly.
  void blit(const QImage& image, int x, int y);

  // The pixels as they are now; valid while the canvas lives.
  const QImage& image() const { return image_; }

 private:
  // The painter, with the pen and brush last set; they are handed to it only when it draws,
  // since most figures are one-pixel lines that the canvas writes itself.
  QPainter& painter();
  bool nearCanvas(int32_t x, int32_t y) const {
    return x >= -kThinLineReach && y >= -kThinLineReach && x <= width_ + kThinLineReach &&
           y <= height_ + kThinLineReach;
  }
  bool onCanvas(PixelPoint p) const {
    return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
  }
  PixelRows rows() const {
    return {reinterpret_cast<uint32_t*>(bits_), stride_ / 4, width_, height_};
  }
  bool thinPen() const { return penWidth_ <= 1 && penMode_ == PenMode::Copy; }
  uint32_t* row(int32_t y) const { return reinterpret_cast<uint32_t*>(bits_ + y * stride_); }
  void thinLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
  void thinSegment(PixelPoint a, PixelPoint b, uint32_t colour);
  // The part of `image` inside the target rectangle's visible part, stretched into it.
  void drawStretched(const QImage& image, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     QPainter::CompositionMode mode);
  // The part of `image` that reaches the canvas, laid into the parallelogram of `corners`.
  void drawTurned(const QImage& image, const ImageCorners& corners, QPainter::CompositionMode mode);
  // One-pixel lines with both ends within this of the canvas are walked directly; the walk's
  // length is bounded by it.
  static constexpr int32_t kThinLineReach = 1 << 14;
  void beginPainter();

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  // The image's pixels, written straight where the canvas draws itself (the painter draws into
  // the same memory, so the order of drawing holds).
  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  Colour penColour_ = 0;
  uint32_t penPixel_ = ToRgb32(0);  // penColour_ as an RGB32 pixel
  int32_t penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  Colour brushColour_ = 0;
  BrushStyle brushStyle_ = BrushStyle::Clear;
  bool painterStale_ = true;
  int32_t currentX_ = 0;
  int32_t currentY_ = 0;
};

QColor ToQColor(Colour colour);
uint32_t ToRgb32(Colour colour);

}  // namespace zf61
