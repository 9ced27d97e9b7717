// One-pixel lines written straight into RGB32 rows, with the pixels of the line primitive:
// Bresenham's walk from the first pixel to the last, the last one set too. Horizontal, vertical
// and one-step lines take shorter loops that visit exactly the pixels the walk would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "view/ViewWindow.h"

namespace zf61 {

// Pixel rows in memory, `stride` pixels apart.
struct PixelRows {
  uint32_t* bits = nullptr;
  ptrdiff_t stride = 0;
  int32_t width = 0;
  int32_t height = 0;

  bool holds(PixelPoint p) const { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }
  uint32_t* at(int32_t x, int32_t y) const { return bits + y * stride + x; }
};

// The pixels of the line from `a` to `b` after `a` itself, `b` included; both on the rows, so
// the walk, which stays in their bounding box, needs no checks. A line that starts where one of
// the same colour ended needs no more than this.
inline void ThinLineAfterStart(const PixelRows& rows, PixelPoint a, PixelPoint b,
                               uint32_t colour) {
  const int32_t dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  if ((dx | dy) <= 1) {  // neighbours (or one pixel): the walk's one step lands on b
    *rows.at(b.x, b.y) = colour;
    return;
  }
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

// The whole line, both end pixels included.
inline void ThinLine(const PixelRows& rows, PixelPoint a, PixelPoint b, uint32_t colour) {
  *rows.at(a.x, a.y) = colour;
  ThinLineAfterStart(rows, a, b, colour);
}

// The line from each of `count` points to the next, all on the rows: the first pixel, then each
// piece after its start, which the piece before set. A piece of no length sets that pixel once
// more, which is cheaper than telling it apart.
inline void ThinChain(const PixelRows& rows, const PixelPoint* points, size_t count,
                      uint32_t colour) {
  if (count == 0) return;
  *rows.at(points[0].x, points[0].y) = colour;
  for (size_t i = 1; i < count; ++i) ThinLineAfterStart(rows, points[i - 1], points[i], colour);
}

}  // namespace zf61
