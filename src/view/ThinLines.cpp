// One-pixel lines longer than one step.
#include "view/ThinLines.h"

namespace zf61 {

void ThinLongLineAfterStart(const PixelRows& rows, PixelPoint a, PixelPoint b, uint32_t colour) {
  const int32_t dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  const int32_t sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  if (dy == 0) {  // the walk only ever steps along x
    uint32_t* p = rows.at(a.x, a.y);
    for (int32_t i = 1; i <= dx; ++i) p[i * sx] = colour;
    return;
  }
  if (dx == 0) {  // only along y
    uint32_t* p = rows.at(a.x, a.y);
    const ptrdiff_t step = sy * rows.stride;
    for (int32_t i = 1; i <= dy; ++i) p[i * step] = colour;
    return;
  }
  int32_t x = a.x, y = a.y;
  int32_t err = dx - dy;
  do {
    const int32_t e2 = 2 * err;
    if (e2 >= -dy) err -= dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
    *rows.at(x, y) = colour;
  } while (x != b.x || y != b.y);
}

}  // namespace zf61
