#include "platform/GdiplusFill.h"

#include <gdiplus.h>

namespace zf61::win32 {
namespace {

namespace flat = Gdiplus::DllExports;

// High-speed rendering without anti-aliasing, and coordinates in device pixels.
constexpr Gdiplus::SmoothingMode kSmoothingHighSpeed = static_cast<Gdiplus::SmoothingMode>(1);
constexpr Gdiplus::GpUnit kUnitPixel = static_cast<Gdiplus::GpUnit>(2);
constexpr Gdiplus::GpFillMode kFillAlternate = static_cast<Gdiplus::GpFillMode>(0);

Gdiplus::GpGraphics* CreateGraphics(HDC dc) {
  Gdiplus::GpGraphics* graphics = nullptr;
  if (flat::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return nullptr;
  flat::GdipSetSmoothingMode(graphics, kSmoothingHighSpeed);
  flat::GdipSetPageUnit(graphics, kUnitPixel);
  return graphics;
}

void AddFigure(Gdiplus::GpPath* path, const std::vector<FloatPoint>& figure, bool first) {
  if (!first) flat::GdipStartPathFigure(path);
  for (size_t j = 0; j + 1 < figure.size(); ++j) {
    flat::GdipAddPathLine(path, figure[j].x, figure[j].y, figure[j + 1].x, figure[j + 1].y);
  }
  flat::GdipClosePathFigure(path);
}

}  // namespace

void FillPathWithGdiplus(HDC dc, const std::vector<std::vector<FloatPoint>>& figures,
                         uint32_t argb) {
  GdiFlush();  // GDI's pending drawing reaches the pixels before GDI+ blends over them
  Gdiplus::GpGraphics* graphics = CreateGraphics(dc);
  if (!graphics) return;
  Gdiplus::GpPath* path = nullptr;
  Gdiplus::GpSolidFill* brush = nullptr;
  if (flat::GdipCreatePath(kFillAlternate, &path) == Gdiplus::Ok &&
      flat::GdipCreateSolidFill(argb, &brush) == Gdiplus::Ok) {
    bool first = true;
    for (const std::vector<FloatPoint>& figure : figures) {
      if (figure.size() < 2) continue;
      AddFigure(path, figure, first);
      first = false;
    }
    flat::GdipFillPath(graphics, brush, path);
  }
  if (brush) flat::GdipDeleteBrush(brush);
  if (path) flat::GdipDeletePath(path);
  flat::GdipDeleteGraphics(graphics);
}

}  // namespace zf61::win32
