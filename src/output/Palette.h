// Colour depths of the saved picture and their palettes, with nearest-colour mapping.
#pragma once

#include <cstdint>
#include <vector>

#include "view/Canvas.h"

namespace zf61 {

// ComboBox1's items: 0 "2色", 1 "16色", 2 "256色", 3 "24bit色", 4 "32bit色".
enum class ColourDepth { Bits1 = 0, Bits4 = 1, Bits8 = 2, Bits24 = 3, Bits32 = 4 };

int BitsPerPixel(ColourDepth depth);

// The colour table of a depth as 0xFFRRGGBB words; empty for 24 and 32 bits.
const std::vector<uint32_t>& PaletteOf(ColourDepth depth);

// Pixels converted to a depth: palette indices for 1, 4 and 8 bits (each pixel the nearest entry
// by squared RGB distance, ties to the lower index), the pixels themselves otherwise.
struct IndexedImage {
  int32_t width = 0;
  int32_t height = 0;
  ColourDepth depth = ColourDepth::Bits32;
  std::vector<uint8_t> indices;  // 1, 4 and 8 bits
  std::vector<uint32_t> pixels;  // 24 and 32 bits (0xFFRRGGBB)
};

IndexedImage ConvertToDepth(const RasterImage& image, ColourDepth depth);

// The image as the saved file shows it: every pixel replaced by its palette colour.
RasterImage ShownAsSaved(const IndexedImage& image);

}  // namespace zf61
