// The raster surface every drawing operation uses, with GDI's rules: lines exclude their end
// pixel, rectangles exclude their right and bottom edges, polygons fill by the alternate rule.
// Implemented on the platform; tests also use a recording fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/Colour.h"
#include "view/ThinLines.h"
#include "view/ViewWindow.h"

namespace zf61 {

enum class PenMode { Copy, Xor };
enum class BrushStyle { Clear = 0, Solid = 1 };

// Pixels as 0xAARRGGBB words, rows top to bottom (the RGB32 layout; alpha is 0xFF).
struct RasterImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
  // The alpha bytes are the picture's own (straight, not premultiplied) and the image is drawn
  // over what lies beneath; an image that is not translucent is copied plainly.
  bool translucent = false;

  uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct FloatPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// Where an image's top-left, top-right and bottom-left corners go on the canvas: a turned
// rectangle, or any parallelogram.
struct ImageCorners {
  PixelPoint topLeft;
  PixelPoint topRight;
  PixelPoint bottomLeft;
  bool operator==(const ImageCorners&) const = default;
};

// What a platform keeps of a picture it draws itself (a metafile, an icon with its mask).
class PlatformPicture {
 public:
  virtual ~PlatformPicture() = default;
};

// A picture file as loaded: its size in pixels (a metafile's from its frame), a bitmap's pixels,
// and, where the platform draws the picture itself, what it needs for that.
struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  RasterImage raster;  // empty for a picture that is only measured or drawn natively
  std::shared_ptr<const PlatformPicture> native;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // A white canvas of the same kind and the given size, for a picture finer than the drawing
  // area; null where it cannot be had (memory, or a canvas that makes no others).
  virtual std::unique_ptr<Canvas> makeCanvas(int32_t /*width*/, int32_t /*height*/) const {
    return nullptr;
  }
  virtual int32_t width() const = 0;
  virtual int32_t height() const = 0;

  // A solid pen; width 0 or 1 draws one pixel wide.
  virtual void setPen(Colour colour, int32_t width) = 0;
  virtual Colour penColour() const = 0;
  virtual void setPenMode(PenMode mode) = 0;
  virtual void setBrush(Colour colour, BrushStyle style) = 0;
  virtual void moveTo(int32_t x, int32_t y) = 0;
  // Draws from the current position up to, not including, (x, y), which becomes current.
  virtual void lineTo(int32_t x, int32_t y) = 0;
  // A plain set, whatever the pen mode.
  virtual void setPixel(int32_t x, int32_t y, Colour colour) = 0;
  // For each pair of points in turn, the line primitive: move to the first, line to the second,
  // then set the second pixel in the pen colour. A platform may draw the pairs in one go as long
  // as the pixels are those of the calls one by one.
  virtual void segments(const std::vector<PixelPoint>& ends) {
    for (size_t i = 1; i < ends.size(); i += 2) {
      moveTo(ends[i - 1].x, ends[i - 1].y);
      lineTo(ends[i].x, ends[i].y);
      setPixel(ends[i].x, ends[i].y, penColour());
    }
  }
  // The line primitive from each of `count` points to the next, as segments() draws the pairs;
  // a piece of no length after the first only sets the pixel the piece before ended on, and is
  // left out.
  virtual void chain(const PixelPoint* points, size_t count) {
    std::vector<PixelPoint> ends;
    ends.reserve(2 * count);
    for (size_t i = 1; i < count; ++i) {
      if (i > 1 && points[i] == points[i - 1]) continue;
      ends.push_back(points[i - 1]);
      ends.push_back(points[i]);
    }
    segments(ends);
  }
  // True where the current pen's lines may be written straight into the canvas's pixels with
  // ThinLine and give the pixels of the line primitive: then `rows` and the pen's `pixel` value.
  // The rows stay valid until the pen or the canvas changes.
  virtual bool thinLineRows(PixelRows& /*rows*/, uint32_t& /*pixel*/) { return false; }
  // Outline with the pen, inside with the brush, right and bottom edges exclusive.
  virtual void rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void polyline(const std::vector<PixelPoint>& points) = 0;
  // Outline with the pen, inside with the brush by the alternate (even-odd) rule.
  virtual void polygon(const std::vector<PixelPoint>& points) = 0;
  // All figures as one even-odd path in unrounded pixels, blended once with a straight-alpha
  // colour 0xAARRGGBB, without anti-aliasing.
  virtual void fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures,
                               uint32_t argb) = 0;
  // The image stretched into the pixel rectangle (left, top)-(right, bottom), copied plainly, or
  // drawn over what lies beneath when it is translucent.
  virtual void drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                         int32_t bottom) = 0;
  // The image laid into the parallelogram of `corners`, each pixel of the canvas taking the
  // image pixel nearest to it, without anti-aliasing; copied or drawn over as drawImage does.
  virtual void drawImageTurned(const RasterImage& image, const ImageCorners& corners) = 0;
  // The picture stretched into the pixel rectangle: natively where the platform can (metafiles
  // as vectors, icons through their mask), else its pixels as drawImage copies them.
  virtual void drawPicture(const Picture& picture, int32_t left, int32_t top, int32_t right,
                           int32_t bottom) {
    if (!picture.raster.pixels.empty()) drawImage(picture.raster, left, top, right, bottom);
  }
  // The picture laid into the parallelogram of `corners` as drawPicture stretches it.
  virtual void drawPictureTurned(const Picture& picture, const ImageCorners& corners) {
    if (!picture.raster.pixels.empty()) drawImageTurned(picture.raster, corners);
  }
  virtual RasterImage readPixels() const = 0;
  virtual void writePixels(const RasterImage& image) = 0;
};

}  // namespace zf61
