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

  bool holds(PixelPoint p) const {
    return static_cast<uint32_t>(p.x) < static_cast<uint32_t>(width) &&
           static_cast<uint32_t>(p.y) < static_cast<uint32_t>(height);
  }
  uint32_t* at(int32_t x, int32_t y) const { return bits + y * stride + x; }
};

// ThinLineAfterStart for pixels more than one step apart.
void ThinLongLineAfterStart(const PixelRows& rows, PixelPoint a, PixelPoint b, uint32_t colour);

// The pixels of the line from `a` to `b` after `a` itself, `b` included; both on the rows, so
// the walk, which stays in their bounding box, needs no checks. A line that starts where one of
// the same colour ended needs no more than this.
inline void ThinLineAfterStart(const PixelRows& rows, PixelPoint a, PixelPoint b, uint32_t colour) {
  const int32_t dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  if ((dx | dy) <= 1) {  // neighbours (or one pixel): the walk's one step lands on b
    *rows.at(b.x, b.y) = colour;
    return;
  }
  ThinLongLineAfterStart(rows, a, b, colour);
}

// The whole line, both end pixels included.
inline void ThinLine(const PixelRows& rows, PixelPoint a, PixelPoint b, uint32_t colour) {
  *rows.at(a.x, a.y) = colour;
  ThinLineAfterStart(rows, a, b, colour);
}

// The line from each of `count` points to the next, all on the rows: the first pixel, then each
// piece after its start, which the piece before set. A piece of no length sets that pixel once
// more, which is cheaper than telling it apart.
inline void ThinChain(const PixelRows& pixelRows, const PixelPoint* points, size_t count,
                      uint32_t colour) {
  if (count == 0) return;
  const PixelRows rows = pixelRows;  // a copy the pixel writes cannot alias
  *rows.at(points[0].x, points[0].y) = colour;
  for (size_t i = 1; i < count; ++i) ThinLineAfterStart(rows, points[i - 1], points[i], colour);
}

}  // namespace zf61
