// GdiCanvas.
#include "platform/GdiCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/GdiplusFill.h"
#include "platform/GdiplusImages.h"
#include "view/PolygonClip.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

BITMAPINFO TopDownInfo(int32_t width, int32_t height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top, as RasterImage keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// GDI takes 32-bit coordinates but misbehaves far outside the device; points are kept in the
// guard band around the canvas (the part on the canvas is unchanged).
std::vector<POINT> GuardedPoints(const std::vector<PixelPoint>& points, int32_t w, int32_t h) {
  std::vector<PointD> outline;
  outline.reserve(points.size());
  for (const PixelPoint& p : points) outline.push_back({double(p.x), double(p.y)});
  std::vector<POINT> out;
  for (const PointD& p : ClipPolygonToGuard(std::move(outline), w, h)) {
    out.push_back({static_cast<LONG>(p.x), static_cast<LONG>(p.y)});
  }
  return out;
}

std::vector<POINT> ToPoints(const std::vector<PixelPoint>& points) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (const PixelPoint& p : points) out.push_back({p.x, p.y});
  return out;
}

}  // namespace

GdiCanvas::GdiCanvas(int32_t width, int32_t height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  dc_ = CreateCompatibleDC(nullptr);
  BITMAPINFO info = TopDownInfo(width_, height_);
  void* bits = nullptr;
  if (dc_) bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) return;
  bits_ = static_cast<uint32_t*>(bits);
  originalBitmap_ = SelectObject(dc_, bitmap_);
  originalPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
  originalBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, 0x00FFFFFFu);
  SetBkMode(dc_, TRANSPARENT);
  setPen(0, 1);
}

std::unique_ptr<Canvas> GdiCanvas::makeCanvas(int32_t width, int32_t height) const {
  auto canvas = std::make_unique<GdiCanvas>(width, height);
  if (!canvas->bitmap_) return nullptr;  // no DIB section of that size
  return canvas;
}

GdiCanvas::~GdiCanvas() {
  if (!dc_) return;
  if (originalPen_) SelectObject(dc_, originalPen_);
  if (originalBrush_) SelectObject(dc_, originalBrush_);
  if (originalBitmap_) SelectObject(dc_, originalBitmap_);
  if (pen_) DeleteObject(pen_);
  if (brush_) DeleteObject(brush_);
  if (bitmap_) DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void GdiCanvas::selectPen(HPEN pen) {
  SelectObject(dc_, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(BLACK_PEN));
  if (pen_) DeleteObject(pen_);
  pen_ = pen;
}

void GdiCanvas::selectBrush(HBRUSH brush) {
  SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
  if (brush_) DeleteObject(brush_);
  brush_ = brush;
}

void GdiCanvas::setPen(Colour colour, int32_t width) {
  if (!valid()) return;
  width = std::max(width, 0);
  // A new pen only when it differs: most figures share the pen of the one before.
  if (pen_ && colour == penColour_ && width == penWidth_) return;
  penColour_ = colour;
  penWidth_ = width;
  selectPen(CreatePen(PS_SOLID, width, colour));
}

void GdiCanvas::setPenMode(PenMode mode) {
  if (valid()) SetROP2(dc_, mode == PenMode::Xor ? R2_XORPEN : R2_COPYPEN);
}

void GdiCanvas::setBrush(Colour colour, BrushStyle style) {
  if (!valid()) return;
  if (style == BrushStyle::Clear) {
    selectBrush(nullptr);
  } else if (!brush_ || colour != brushColour_) {
    brushColour_ = colour;
    selectBrush(CreateSolidBrush(colour));
  }
}

void GdiCanvas::moveTo(int32_t x, int32_t y) {
  if (valid()) MoveToEx(dc_, x, y, nullptr);
}

void GdiCanvas::lineTo(int32_t x, int32_t y) {
  if (valid()) LineTo(dc_, x, y);
}

void GdiCanvas::setPixel(int32_t x, int32_t y, Colour colour) {
  if (!valid()) return;
  // SetPixel follows the mix mode; the canvas's pixel set is a plain one in every mode.
  int mode = SetROP2(dc_, R2_COPYPEN);
  SetPixelV(dc_, x, y, colour);
  SetROP2(dc_, mode);
}

void GdiCanvas::rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (valid()) Rectangle(dc_, x1, y1, x2, y2);
}

void GdiCanvas::polyline(const std::vector<PixelPoint>& points) {
  if (!valid() || points.size() < 2) return;
  std::vector<POINT> p = ToPoints(points);
  Polyline(dc_, p.data(), static_cast<int>(p.size()));
}

void GdiCanvas::polygon(const std::vector<PixelPoint>& points) {
  if (!valid() || points.size() < 3) return;
  std::vector<POINT> p = GuardedPoints(points, width_, height_);
  if (p.size() < 3) return;
  SetPolyFillMode(dc_, ALTERNATE);
  Polygon(dc_, p.data(), static_cast<int>(p.size()));
}

void GdiCanvas::fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures,
                                uint32_t argb) {
  if (!valid()) return;
  std::vector<std::vector<FloatPoint>> guarded;
  guarded.reserve(figures.size());
  for (const std::vector<FloatPoint>& figure : figures) {
    std::vector<PointD> outline;
    outline.reserve(figure.size());
    for (const FloatPoint& p : figure) outline.push_back({p.x, p.y});
    std::vector<FloatPoint>& out = guarded.emplace_back();
    for (const PointD& p : ClipPolygonToGuard(std::move(outline), width_, height_)) {
      out.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
    }
  }
  FillPathWithGdiplus(dc_, guarded, argb);
}

void GdiCanvas::drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                          int32_t bottom) {
  if (!valid() || image.pixels.empty() || image.width <= 0 || image.height <= 0) return;
  if (right == left || bottom == top) return;
  if (image.translucent) {  // StretchDIBits would copy the alpha bytes as they are
    drawImageTurned(image, {{left, top}, {right, top}, {left, bottom}});
    return;
  }
  BITMAPINFO info = TopDownInfo(image.width, image.height);
  SetStretchBltMode(dc_, COLORONCOLOR);  // plain copies of source pixels, no blending
  StretchDIBits(dc_, left, top, right - left, bottom - top, 0, 0, image.width, image.height,
                image.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void GdiCanvas::drawPicture(const Picture& picture, int32_t left, int32_t top, int32_t right,
                            int32_t bottom) {
  auto* native = dynamic_cast<const NativePicture*>(picture.native.get());
  if (!native) {
    Canvas::drawPicture(picture, left, top, right, bottom);
    return;
  }
  if (!valid() || right == left || bottom == top) return;
  RECT target = {std::min(left, right), std::min(top, bottom), std::max(left, right),
                 std::max(top, bottom)};
  int rop = SetROP2(dc_, R2_COPYPEN);
  native->drawInto(dc_, target);
  SetROP2(dc_, rop);
}

void GdiCanvas::drawImageTurned(const RasterImage& image, const ImageCorners& corners) {
  if (valid()) DrawImageWithGdiplus(dc_, {width_, height_}, image, corners);
}

void GdiCanvas::drawPictureTurned(const Picture& picture, const ImageCorners& corners) {
  auto* native = dynamic_cast<const NativePicture*>(picture.native.get());
  if (!native) {
    Canvas::drawPictureTurned(picture, corners);
    return;
  }
  if (!valid()) return;
  int rop = SetROP2(dc_, R2_COPYPEN);
  native->drawTurnedInto(dc_, {width_, height_}, corners);
  SetROP2(dc_, rop);
}

RasterImage GdiCanvas::readPixels() const {
  RasterImage out;
  if (!valid()) return out;
  GdiFlush();
  out.width = width_;
  out.height = height_;
  out.pixels.assign(bits_, bits_ + static_cast<size_t>(width_) * height_);
  // GDI leaves the fourth byte as it finds it and GDI+ may write alpha there: pixels are opaque.
  for (uint32_t& p : out.pixels) p |= kOpaque;
  return out;
}

void GdiCanvas::writePixels(const RasterImage& image) {
  if (!valid()) return;
  GdiFlush();
  int32_t w = std::min(image.width, width_), h = std::min(image.height, height_);
  for (int32_t y = 0; y < h; ++y) {
    const uint32_t* from = image.pixels.data() + static_cast<size_t>(y) * image.width;
    std::copy(from, from + w, bits_ + static_cast<size_t>(y) * width_);
  }
}

}  // namespace zf61::win32
