// Drawing and decoding images with the GDI+ flat API.
#include "platform/GdiplusImages.h"

#include <objidl.h>
// GDI+ needs the Windows and COM types first.
#include <gdiplus.h>

#include <algorithm>
#include <cstring>

#include "view/PictureFormat.h"
#include "view/TurnedImage.h"

namespace zf61::win32 {
namespace {

namespace flat = Gdiplus::DllExports;

constexpr uint32_t kOpaqueAlpha = 0xFF000000u;

// Nearest-pixel sampling with pixel centres at half coordinates, as the canvas defines it, and
// no smoothing of the parallelogram's edges; edge pixels are not blended with what lies
// outside the image.
Gdiplus::GpGraphics* CreateGraphics(HDC dc) {
  GdiFlush();  // GDI's pending drawing reaches the pixels before GDI+ draws over them
  Gdiplus::GpGraphics* graphics = nullptr;
  if (flat::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return nullptr;
  flat::GdipSetPageUnit(graphics, Gdiplus::UnitPixel);
  flat::GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeNone);
  flat::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
  flat::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
  return graphics;
}

// Draws the part of a GDI+ bitmap of width x height pixels that reaches the canvas.
void DrawBitmap(HDC dc, SIZE canvas, Gdiplus::GpBitmap* bitmap, int32_t width, int32_t height,
                const ImageCorners& corners) {
  ImagePlacement p = PlacementOf(corners, width, height);
  std::optional<ImagePart> part = PartOnCanvas(p, width, height, canvas.cx, canvas.cy);
  if (!part) return;
  auto place = [&](double u, double v) {
    return Gdiplus::PointF(static_cast<Gdiplus::REAL>(p.m11 * u + p.m21 * v + p.dx),
                           static_cast<Gdiplus::REAL>(p.m12 * u + p.m22 * v + p.dy));
  };
  const Gdiplus::PointF points[3] = {place(part->x, part->y), place(part->x + part->width, part->y),
                                     place(part->x, part->y + part->height)};
  Gdiplus::GpGraphics* graphics = CreateGraphics(dc);
  if (!graphics) return;
  Gdiplus::GpImageAttributes* attributes = nullptr;
  if (flat::GdipCreateImageAttributes(&attributes) == Gdiplus::Ok) {
    flat::GdipSetImageAttributesWrapMode(attributes, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    flat::GdipDrawImagePointsRect(graphics, bitmap, points, 3, part->x, part->y, part->width,
                                  part->height, Gdiplus::UnitPixel, attributes, nullptr, nullptr);
    flat::GdipDisposeImageAttributes(attributes);
  }
  flat::GdipDeleteGraphics(graphics);
}

// A memory stream holding a copy of the bytes; null when there is no memory for it.
IStream* StreamOf(std::string_view bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(bytes.size(), 1));
  if (!memory) return nullptr;
  void* at = GlobalLock(memory);
  if (at) std::memcpy(at, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (!at || CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
    GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

std::optional<RasterImage> PixelsOf(Gdiplus::GpBitmap* bitmap) {
  UINT width = 0, height = 0;
  flat::GdipGetImageWidth(bitmap, &width);
  flat::GdipGetImageHeight(bitmap, &height);
  if (width == 0 || height == 0 || width > INT32_MAX / 4 ||
      int64_t{width} * height > kLargestPicturePixels) {
    return std::nullopt;
  }
  RasterImage image;
  image.width = static_cast<int32_t>(width);
  image.height = static_cast<int32_t>(height);
  image.pixels.resize(static_cast<size_t>(width) * height);
  // Locked straight into the pixels: rows from the top, 0xAARRGGBB each.
  Gdiplus::BitmapData data = {};
  data.Width = width;
  data.Height = height;
  data.Stride = image.width * 4;
  data.PixelFormat = PixelFormat32bppARGB;
  data.Scan0 = image.pixels.data();
  Gdiplus::GpRect all(0, 0, image.width, image.height);
  if (flat::GdipBitmapLockBits(bitmap, &all,
                               Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                               PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
    return std::nullopt;
  }
  flat::GdipBitmapUnlockBits(bitmap, &data);
  image.translucent = std::any_of(image.pixels.begin(), image.pixels.end(),
                                  [](uint32_t p) { return p < kOpaqueAlpha; });
  return image;
}

}  // namespace

void DrawImageWithGdiplus(HDC dc, SIZE canvas, const RasterImage& image,
                          const ImageCorners& corners) {
  if (image.pixels.empty() || image.width <= 0 || image.height <= 0) return;
  // GDI+ reads the pixels where they are; it does not write to them.
  BYTE* pixels = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(image.pixels.data()));
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (flat::GdipCreateBitmapFromScan0(
          image.width, image.height, image.width * 4,
          image.translucent ? PixelFormat32bppARGB : PixelFormat32bppRGB, pixels,
          &bitmap) != Gdiplus::Ok) {
    return;
  }
  DrawBitmap(dc, canvas, bitmap, image.width, image.height, corners);
  flat::GdipDisposeImage(bitmap);
}

void DrawIconWithGdiplus(HDC dc, SIZE canvas, HICON icon, const ImageCorners& corners) {
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (flat::GdipCreateBitmapFromHICON(icon, &bitmap) != Gdiplus::Ok) return;
  UINT width = 0, height = 0;
  flat::GdipGetImageWidth(bitmap, &width);
  flat::GdipGetImageHeight(bitmap, &height);
  if (width > 0 && height > 0) {
    DrawBitmap(dc, canvas, bitmap, static_cast<int32_t>(width), static_cast<int32_t>(height),
               corners);
  }
  flat::GdipDisposeImage(bitmap);
}

std::optional<RasterImage> DecodeWithGdiplus(std::string_view bytes) {
  IStream* stream = StreamOf(bytes);
  if (!stream) return std::nullopt;
  std::optional<RasterImage> image;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (flat::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
    image = PixelsOf(bitmap);
    flat::GdipDisposeImage(bitmap);
  }
  stream->Release();
  return image;
}

}  // namespace zf61::win32
