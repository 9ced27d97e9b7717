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
  std::vector<uint32_t> palette;  // 1, 4 and 8 bits: the colour table (0xFFRRGGBB)
  std::vector<uint8_t> indices;   // 1, 4 and 8 bits
  std::vector<uint32_t> pixels;   // 24 and 32 bits (0xFFRRGGBB)
};

// The colour table an image is saved with: its own, or its depth's above where it has none.
const std::vector<uint32_t>& ColourTableOf(const IndexedImage& image);

// The palettes above, each pixel mapped to its nearest entry.
IndexedImage ConvertToDepth(const RasterImage& image, ColourDepth depth);

// How the captured pixels become a picture of a depth: with the palettes and nearest colours
// above, or with the platform's own palettes and colour mapping.
class DepthConverter {
 public:
  virtual ~DepthConverter() = default;
  virtual IndexedImage convert(const RasterImage& image, ColourDepth depth) = 0;
};

class NearestColourConverter final : public DepthConverter {
 public:
  IndexedImage convert(const RasterImage& image, ColourDepth depth) override {
    return ConvertToDepth(image, depth);
  }
};

// One shared converter of the palettes above.
DepthConverter& StandardDepthConverter();

// The image as the saved file shows it: every pixel replaced by its palette colour.
RasterImage ShownAsSaved(const IndexedImage& image);

}  // namespace zf61
