// A canvas that draws nothing but checks what it is given: images match their sizes.
#pragma once

#include "FuzzCheck.h"
#include "view/Canvas.h"
#include "view/TurnedImage.h"

namespace zf61::test {

class NullCanvas final : public Canvas {
 public:
  NullCanvas(int32_t w, int32_t h) : w_(w), h_(h) {}
  int32_t width() const override { return w_; }
  int32_t height() const override { return h_; }
  void setPen(Colour c, int32_t) override { pen_ = c; }
  Colour penColour() const override { return pen_; }
  void setPenMode(PenMode) override {}
  void setBrush(Colour, BrushStyle) override {}
  void moveTo(int32_t, int32_t) override {}
  void lineTo(int32_t, int32_t) override {}
  void setPixel(int32_t, int32_t, Colour) override {}
  void rectangle(int32_t, int32_t, int32_t, int32_t) override {}
  void polyline(const std::vector<PixelPoint>&) override {}
  void polygon(const std::vector<PixelPoint>&) override {}
  void fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>&, uint32_t) override {}
  void drawImage(const RasterImage& image, int32_t, int32_t, int32_t, int32_t) override {
    FUZZ_CHECK(image.pixels.empty() ||
               image.pixels.size() == static_cast<size_t>(image.width) * image.height);
  }
  void drawImageTurned(const RasterImage& image, const ImageCorners& corners) override {
    drawImage(image, 0, 0, 0, 0);
    // The part of the image a canvas would draw lies within the image.
    ImagePlacement placement = PlacementOf(corners, image.width, image.height);
    if (auto part = PartOnCanvas(placement, image.width, image.height, w_, h_)) {
      FUZZ_CHECK(part->x >= 0 && part->y >= 0 && part->width > 0 && part->height > 0);
      FUZZ_CHECK(part->x + part->width <= image.width && part->y + part->height <= image.height);
    }
  }
  RasterImage readPixels() const override { return {}; }
  void writePixels(const RasterImage&) override {}

 private:
  int32_t w_, h_;
  Colour pen_ = 0;
};

}  // namespace zf61::test
