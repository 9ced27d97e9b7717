// A plain software canvas for tests that run without any toolkit: one-pixel lines that leave out
// their end pixel, XOR pens, rectangles without their right and bottom edges, even-odd polygon
// and path fills sampled at pixel centres, images copied (or blended, when translucent) by the
// pixel nearest to each pixel centre, also into turned boxes. Wider pens draw one pixel wide;
// tests that need the platform's exact pixels use the platform's canvas.
#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "view/Canvas.h"

namespace zf61::test {

class MemoryCanvas final : public Canvas {
 public:
  MemoryCanvas(int32_t w, int32_t h)
      : w_(std::max(w, 1)), h_(std::max(h, 1)), px_(static_cast<size_t>(w_) * h_, 0xFFFFFFFFu) {}

  std::unique_ptr<Canvas> makeCanvas(int32_t w, int32_t h) const override {
    return std::make_unique<MemoryCanvas>(w, h);
  }
  int32_t width() const override { return w_; }
  int32_t height() const override { return h_; }
  void setPen(Colour colour, int32_t) override { pen_ = colour; }
  Colour penColour() const override { return pen_; }
  void setPenMode(PenMode mode) override { xor_ = mode == PenMode::Xor; }
  void setBrush(Colour colour, BrushStyle style) override {
    brush_ = colour;
    solid_ = style == BrushStyle::Solid;
  }
  void moveTo(int32_t x, int32_t y) override { cx_ = x, cy_ = y; }
  void lineTo(int32_t x, int32_t y) override {
    int32_t x0 = cx_, y0 = cy_;
    int32_t dx = std::abs(x - x0), dy = -std::abs(y - y0);
    int32_t sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1, err = dx + dy;
    while (x0 != x || y0 != y) {
      plot(x0, y0, Rgb(pen_), xor_);
      int32_t e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
    cx_ = x, cy_ = y;
  }
  void setPixel(int32_t x, int32_t y, Colour colour) override { plot(x, y, Rgb(colour), false); }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    int32_t l = std::min(x1, x2), r = std::max(x1, x2) - 1;
    int32_t t = std::min(y1, y2), b = std::max(y1, y2) - 1;
    if (solid_) {
      for (int32_t y = t; y <= b; ++y)
        for (int32_t x = l; x <= r; ++x) plot(x, y, Rgb(brush_), false);
    }
    for (int32_t x = l; x <= r; ++x) plot(x, t, Rgb(pen_), xor_), plot(x, b, Rgb(pen_), xor_);
    for (int32_t y = t + 1; y < b; ++y) plot(l, y, Rgb(pen_), xor_), plot(r, y, Rgb(pen_), xor_);
  }
  void polyline(const std::vector<PixelPoint>& points) override {
    if (points.empty()) return;
    moveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i) lineTo(points[i].x, points[i].y);
  }
  void polygon(const std::vector<PixelPoint>& points) override {
    if (points.size() < 3) return;
    if (solid_) {
      std::vector<FloatPoint> figure;
      for (const PixelPoint& p : points) figure.push_back({float(p.x), float(p.y)});
      fill({figure}, 0xFF000000u | Rgb(brush_));
    }
    polyline(points);
    lineTo(points[0].x, points[0].y);
  }
  void fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures,
                       uint32_t argb) override {
    fill(figures, argb);
  }
  void drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) override {
    if (image.pixels.empty() || right == left || bottom == top) return;
    for (int32_t y = std::max(top, 0); y < std::min(bottom, h_); ++y) {
      for (int32_t x = std::max(left, 0); x < std::min(right, w_); ++x) {
        int32_t sx = int32_t(int64_t(x - left) * image.width / (right - left));
        int32_t sy = int32_t(int64_t(y - top) * image.height / (bottom - top));
        put(x, y, image, sx, sy);
      }
    }
  }
  void drawImageTurned(const RasterImage& image, const ImageCorners& c) override {
    if (image.pixels.empty()) return;
    // Each pixel centre taken back into the image through the inverse of the corners' map.
    double ax = double(c.topRight.x - c.topLeft.x) / image.width;
    double ay = double(c.topRight.y - c.topLeft.y) / image.width;
    double bx = double(c.bottomLeft.x - c.topLeft.x) / image.height;
    double by = double(c.bottomLeft.y - c.topLeft.y) / image.height;
    double det = ax * by - bx * ay;
    if (det == 0.0) return;
    for (int32_t y = 0; y < h_; ++y) {
      for (int32_t x = 0; x < w_; ++x) {
        double px = x + 0.5 - c.topLeft.x, py = y + 0.5 - c.topLeft.y;
        double u = std::floor((by * px - bx * py) / det), v = std::floor((ax * py - ay * px) / det);
        if (u >= 0 && v >= 0 && u < image.width && v < image.height) {
          put(x, y, image, int32_t(u), int32_t(v));
        }
      }
    }
  }
  RasterImage readPixels() const override { return {w_, h_, px_}; }
  void writePixels(const RasterImage& image) override {
    for (int32_t y = 0; y < std::min(h_, image.height); ++y)
      for (int32_t x = 0; x < std::min(w_, image.width); ++x) plot(x, y, image.at(x, y), false);
  }

  uint32_t at(int32_t x, int32_t y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

 private:
  static uint32_t Rgb(Colour c) {
    return uint32_t(RedOf(c)) << 16 | uint32_t(GreenOf(c)) << 8 | uint32_t(BlueOf(c));
  }
  // An image pixel onto a canvas pixel: copied, or blended by its own alpha when translucent.
  void put(int32_t x, int32_t y, const RasterImage& image, int32_t sx, int32_t sy) {
    uint32_t s = image.at(sx, sy);
    if (!image.translucent) return plot(x, y, s & 0xFFFFFFu, false);
    uint32_t a = s >> 24, d = px_[static_cast<size_t>(y) * w_ + x], out = 0;
    for (int shift : {16, 8, 0}) {
      uint32_t sc = s >> shift & 0xFF, dc = d >> shift & 0xFF;
      out |= ((sc * a + dc * (255 - a) + 127) / 255) << shift;
    }
    plot(x, y, out, false);
  }
  void plot(int32_t x, int32_t y, uint32_t rgb, bool xorMode) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    uint32_t& p = px_[static_cast<size_t>(y) * w_ + x];
    p = 0xFF000000u | ((xorMode ? p ^ rgb : rgb) & 0xFFFFFFu);
  }
  // Even-odd at every pixel centre, blended with straight alpha.
  void fill(const std::vector<std::vector<FloatPoint>>& figures, uint32_t argb) {
    uint32_t a = argb >> 24;
    for (int32_t y = 0; y < h_; ++y) {
      double cy = y + 0.5;
      std::vector<double> xs;
      for (const auto& f : figures) {
        for (size_t i = 0; i < f.size(); ++i) {
          const FloatPoint &p = f[i], &q = f[(i + 1) % f.size()];
          if ((p.y <= cy) != (q.y <= cy))
            xs.push_back(p.x + (cy - p.y) / (q.y - p.y) * (q.x - p.x));
        }
      }
      std::sort(xs.begin(), xs.end());
      for (size_t i = 0; i + 1 < xs.size(); i += 2) {
        int32_t from = std::max(0, int32_t(std::ceil(xs[i] - 0.5)));
        int32_t to = std::min(w_, int32_t(std::ceil(xs[i + 1] - 0.5)));
        for (int32_t x = from; x < to; ++x) {
          uint32_t& p = px_[static_cast<size_t>(y) * w_ + x];
          uint32_t out = 0xFF000000u;
          for (int shift : {16, 8, 0}) {
            uint32_t s = argb >> shift & 0xFF, d = p >> shift & 0xFF;
            out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
          }
          p = out;
        }
      }
    }
  }

  int32_t w_, h_;
  std::vector<uint32_t> px_;
  Colour pen_ = 0, brush_ = 0;
  bool xor_ = false, solid_ = false;
  int32_t cx_ = 0, cy_ = 0;
};

}  // namespace zf61::test
