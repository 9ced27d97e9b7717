// The region fill through the GDI+ flat API: one path of figures in unrounded pixels, filled
// once by the alternate (even-odd) rule with a straight-alpha ARGB brush, without anti-aliasing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "view/Canvas.h"

namespace zf61::win32 {

void FillPathWithGdiplus(HDC dc, const std::vector<std::vector<FloatPoint>>& figures,
                         uint32_t argb);

}  // namespace zf61::win32
