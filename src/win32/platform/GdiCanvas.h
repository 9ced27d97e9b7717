// The canvas on Windows: GDI on a 32-bit top-down DIB section selected into a memory device
// context, with GDI's own pixel rules (lines without their end pixel, rectangles without their
// right and bottom edges, alternate polygon fill, R2_XORPEN), StretchDIBits for opaque pictures,
// and the GDI+ flat API for the region fill and for turned or translucent pictures.
#pragma once

#include <windows.h>

#include "view/Canvas.h"

namespace zf61::win32 {

// What the GDI canvas needs of a picture the platform draws itself.
class NativePicture : public PlatformPicture {
 public:
  virtual void drawInto(HDC dc, const RECT& target) const = 0;
  // Laid into the parallelogram of `corners` on a canvas of the given size.
  virtual void drawTurnedInto(HDC dc, SIZE canvas, const ImageCorners& corners) const = 0;
};

class GdiCanvas final : public Canvas {
 public:
  GdiCanvas(int32_t width, int32_t height);
  ~GdiCanvas() override;
  std::unique_ptr<Canvas> makeCanvas(int32_t width, int32_t height) const override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  void setPen(Colour colour, int32_t width) override;
  Colour penColour() const override { return penColour_; }
  void setPenMode(PenMode mode) override;
  void setBrush(Colour colour, BrushStyle style) override;
  void moveTo(int32_t x, int32_t y) override;
  void lineTo(int32_t x, int32_t y) override;
  void setPixel(int32_t x, int32_t y, Colour colour) override;
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

  // The memory device context, for copying the canvas onto a window.
  HDC dc() const { return dc_; }
  bool valid() const { return bits_ != nullptr; }

 private:
  void selectPen(HPEN pen);
  void selectBrush(HBRUSH brush);

  int32_t width_;
  int32_t height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  uint32_t* bits_ = nullptr;
  HPEN pen_ = nullptr;  // the selected pen, made here
  Colour penColour_ = 0;
  int32_t penWidth_ = -1;
  HBRUSH brush_ = nullptr;  // the selected solid brush, made here; null while the brush is clear
  Colour brushColour_ = 0;
};

}  // namespace zf61::win32
