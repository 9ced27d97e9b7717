#include "output/ScaleDown.h"

#include <cstddef>

namespace zf61 {

RasterImage ScaleDown(const RasterImage& fine, int k) {
  RasterImage out;
  if (k < 1) return out;
  out.width = fine.width / k;
  out.height = fine.height / k;
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  const uint32_t count = static_cast<uint32_t>(k * k);
  for (int32_t y = 0; y < out.height; ++y) {
    for (int32_t x = 0; x < out.width; ++x) {
      uint32_t r = 0, g = 0, b = 0;
      for (int dy = 0; dy < k; ++dy) {
        const uint32_t* row = &fine.pixels[static_cast<size_t>(y * k + dy) * fine.width + x * k];
        for (int dx = 0; dx < k; ++dx) {
          r += row[dx] >> 16 & 0xFF, g += row[dx] >> 8 & 0xFF, b += row[dx] & 0xFF;
        }
      }
      auto mean = [&](uint32_t sum) { return (sum + count / 2) / count; };
      out.pixels[static_cast<size_t>(y) * out.width + x] =
          0xFF000000u | mean(r) << 16 | mean(g) << 8 | mean(b);
    }
  }
  return out;
}

}  // namespace zf61
