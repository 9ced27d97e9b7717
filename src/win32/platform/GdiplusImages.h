// Images through the GDI+ flat API: pixels laid into a parallelogram of a device context, each
// canvas pixel taking the image pixel nearest to it, without anti-aliasing, blended by the
// image's own alpha; icons the same way with their mask; and picture files (PNG, TIFF, JPEG,
// GIF) decoded into pixels. GDI+ must have been started (GdiplusSession).
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "view/Canvas.h"

namespace zf61::win32 {

// The part of `image` that reaches a canvas of the given size, laid into `corners`.
void DrawImageWithGdiplus(HDC dc, SIZE canvas, const RasterImage& image,
                          const ImageCorners& corners);

// An icon, transparent where its mask or its alpha says, laid into `corners`.
void DrawIconWithGdiplus(HDC dc, SIZE canvas, HICON icon, const ImageCorners& corners);

// The first image in the bytes of a picture file as straight ARGB pixels, marked translucent
// when any pixel lets what lies beneath show through; nothing when GDI+ cannot read them.
std::optional<RasterImage> DecodeWithGdiplus(std::string_view bytes);

}  // namespace zf61::win32
