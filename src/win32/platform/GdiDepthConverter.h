// The reduced colour depths as Windows makes them: the captured pixels are copied by BitBlt
// into a DIB section of 1, 4 or 8 bits whose colour table is black and white, the 16-colour
// system palette, or the halftone palette of CreateHalftonePalette, and GDI maps every colour
// to an entry its own way. 24 and 32 bits keep the pixels.
#pragma once

#include "output/Palette.h"

namespace zf61::win32 {

class GdiDepthConverter final : public DepthConverter {
 public:
  IndexedImage convert(const RasterImage& image, ColourDepth depth) override;
};

// The colour table GDI is given for a reduced depth (0xFFRRGGBB).
std::vector<uint32_t> GdiColourTable(ColourDepth depth);

}  // namespace zf61::win32
