// A canvas that records the calls made on it, so tests can check exactly which primitives a
// drawing operation issued.
#pragma once

#include <string>
#include <vector>

#include "view/Canvas.h"

namespace zf61::test {

struct Segment {
  int32_t x1, y1, x2, y2;
  Colour colour = 0;
  int32_t width = 0;
  bool operator==(const Segment& o) const {
    return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
  }
};

struct ImageCall {
  int32_t imageWidth, imageHeight, left, top, right, bottom;
};

struct TurnedImageCall {
  int32_t imageWidth, imageHeight;
  ImageCorners corners;
};

class RecordingCanvas final : public Canvas {
 public:
  explicit RecordingCanvas(int32_t w = 200, int32_t h = 100) : width_(w), height_(h) {}

  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  void setPen(Colour colour, int32_t width) override {
    pen = colour;
    penWidth = width;
    calls.push_back("pen " + std::to_string(colour) + " " + std::to_string(width));
  }
  Colour penColour() const override { return pen; }
  void setPenMode(PenMode mode) override { xor_ = mode == PenMode::Xor; }
  void setBrush(Colour colour, BrushStyle style) override {
    brush = colour;
    brushSolid = style == BrushStyle::Solid;
  }
  void moveTo(int32_t x, int32_t y) override { cx_ = x, cy_ = y; }
  void lineTo(int32_t x, int32_t y) override {
    segments.push_back({cx_, cy_, x, y, pen, penWidth});
    calls.push_back("line");
    cx_ = x, cy_ = y;
  }
  void setPixel(int32_t, int32_t, Colour) override { ++pixelsSet; }
  void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    rectangles.push_back({x1, y1, x2, y2, pen, penWidth});
  }
  void polyline(const std::vector<PixelPoint>& points) override {
    polylines.push_back(points);
    calls.push_back("polyline");
  }
  void polygon(const std::vector<PixelPoint>& points) override {
    polygons.push_back(points);
    calls.push_back("polygon");
    polygonBrushes.push_back(brush);
  }
  void fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures,
                       uint32_t argb) override {
    paths.push_back(figures);
    pathColours.push_back(argb);
  }
  void drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                 int32_t bottom) override {
    images.push_back({image.width, image.height, left, top, right, bottom});
    calls.push_back("image");
    lastImage = image;
  }
  void drawImageTurned(const RasterImage& image, const ImageCorners& corners) override {
    turnedImages.push_back({image.width, image.height, corners});
    calls.push_back("turned image");
    lastImage = image;
  }
  RasterImage readPixels() const override { return {}; }
  void writePixels(const RasterImage&) override {}

  bool inXorMode() const { return xor_; }

  std::vector<std::string> calls;
  std::vector<Segment> segments;
  std::vector<Segment> rectangles;
  std::vector<std::vector<PixelPoint>> polylines;
  std::vector<std::vector<PixelPoint>> polygons;
  std::vector<Colour> polygonBrushes;
  std::vector<std::vector<std::vector<FloatPoint>>> paths;
  std::vector<uint32_t> pathColours;
  std::vector<ImageCall> images;
  std::vector<TurnedImageCall> turnedImages;
  RasterImage lastImage;
  Colour pen = 0;
  int32_t penWidth = 1;
  Colour brush = 0;
  bool brushSolid = false;
  int pixelsSet = 0;

 private:
  int32_t width_, height_;
  int32_t cx_ = 0, cy_ = 0;
  bool xor_ = false;
};

// A view of width x height pixels whose bottom-left corner is (left, bottom) at `scale`.
inline ViewWindow MakeView(double left, double bottom, double scale, int32_t width,
                           int32_t height) {
  ViewWindow v;
  v.Scale = scale;
  v.PixelWidth = width;
  v.PixelHeight = height;
  v.Left = left;
  v.Bottom = bottom;
  v.Right = left + width / scale;
  v.Top = bottom + height / scale;
  return v;
}

}  // namespace zf61::test
