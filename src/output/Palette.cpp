// Palettes and the nearest-colour conversion.
#include "output/Palette.h"

#include <array>
#include <memory>

namespace zf61 {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return 0xFF000000u | r << 16 | g << 8 | b;
}

// The 16-colour system palette in its order.
constexpr std::array<uint32_t, 16> kSixteen = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(128, 128, 128),
    Rgb(192, 192, 192), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

std::vector<uint32_t> MakeHalftone() {
  // The 16 colours, the 6 x 6 x 6 cube of 0, 51, ... 255, then 24 greys between its levels.
  std::vector<uint32_t> p(kSixteen.begin(), kSixteen.end());
  for (uint32_t r = 0; r < 6; ++r) {
    for (uint32_t g = 0; g < 6; ++g) {
      for (uint32_t b = 0; b < 6; ++b) p.push_back(Rgb(r * 51, g * 51, b * 51));
    }
  }
  for (uint32_t k = 0; k < 24; ++k) p.push_back(Rgb(5 + 10 * k, 5 + 10 * k, 5 + 10 * k));
  return p;
}

uint8_t Nearest(const std::vector<uint32_t>& palette, uint32_t colour) {
  int r = colour >> 16 & 0xFF, g = colour >> 8 & 0xFF, b = colour & 0xFF;
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    int dr = r - static_cast<int>(palette[i] >> 16 & 0xFF);
    int dg = g - static_cast<int>(palette[i] >> 8 & 0xFF);
    int db = b - static_cast<int>(palette[i] & 0xFF);
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {  // strictly less: ties keep the lower index
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

// Remembers the nearest entry of each colour met, in a small open-addressing table: a picture
// has few distinct colours, so nearly every pixel is a look-up.
class NearestCache {
 public:
  explicit NearestCache(const std::vector<uint32_t>& palette) : palette_(palette) {
    keys_.fill(kEmpty);
  }
  uint8_t operator()(uint32_t colour) {
    colour &= 0x00FFFFFFu;
    for (uint32_t i = Hash(colour);; i = (i + 1) & kMask) {
      if (keys_[i] == colour) return values_[i];
      if (keys_[i] == kEmpty) {
        if (used_ * 2 > kSize) return Nearest(palette_, colour);  // full: no more caching
        keys_[i] = colour;
        values_[i] = Nearest(palette_, colour);
        ++used_;
        return values_[i];
      }
    }
  }

 private:
  static constexpr uint32_t kSize = 1 << 16;
  static constexpr uint32_t kMask = kSize - 1;
  static constexpr uint32_t kEmpty = 0xFFFFFFFFu;
  static uint32_t Hash(uint32_t c) { return (c * 2654435761u) >> 16 & kMask; }

  const std::vector<uint32_t>& palette_;
  std::array<uint32_t, kSize> keys_;
  std::array<uint8_t, kSize> values_{};
  uint32_t used_ = 0;
};

}  // namespace

int BitsPerPixel(ColourDepth depth) {
  switch (depth) {
    case ColourDepth::Bits1:
      return 1;
    case ColourDepth::Bits4:
      return 4;
    case ColourDepth::Bits8:
      return 8;
    case ColourDepth::Bits24:
      return 24;
    default:
      return 32;
  }
}

const std::vector<uint32_t>& PaletteOf(ColourDepth depth) {
  static const std::vector<uint32_t> kTwo = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
  static const std::vector<uint32_t> kSixteenColours(kSixteen.begin(), kSixteen.end());
  static const std::vector<uint32_t> kHalftone = MakeHalftone();
  static const std::vector<uint32_t> kNone;
  switch (depth) {
    case ColourDepth::Bits1:
      return kTwo;
    case ColourDepth::Bits4:
      return kSixteenColours;
    case ColourDepth::Bits8:
      return kHalftone;
    default:
      return kNone;
  }
}

IndexedImage ConvertToDepth(const RasterImage& image, ColourDepth depth) {
  IndexedImage out;
  out.width = image.width;
  out.height = image.height;
  out.depth = depth;
  const std::vector<uint32_t>& palette = PaletteOf(depth);
  if (palette.empty()) {
    out.pixels = image.pixels;
    return out;
  }
  out.palette = palette;
  auto cache = std::make_unique<NearestCache>(palette);
  out.indices.resize(image.pixels.size());
  uint32_t lastColour = 0;
  uint8_t lastIndex = (*cache)(0);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    uint32_t colour = image.pixels[i] & 0x00FFFFFFu;
    if (colour != lastColour) {  // runs of one colour are the common case
      lastColour = colour;
      lastIndex = (*cache)(colour);
    }
    out.indices[i] = lastIndex;
  }
  return out;
}

RasterImage ShownAsSaved(const IndexedImage& image) {
  RasterImage out;
  out.width = image.width;
  out.height = image.height;
  if (image.indices.empty()) {
    out.pixels = image.pixels;
    return out;
  }
  const std::vector<uint32_t>& palette = ColourTableOf(image);
  out.pixels.resize(image.indices.size());
  for (size_t i = 0; i < image.indices.size(); ++i) {
    uint8_t index = image.indices[i];
    out.pixels[i] = index < palette.size() ? palette[index] : 0xFF000000u;
  }
  return out;
}

const std::vector<uint32_t>& ColourTableOf(const IndexedImage& image) {
  return image.palette.empty() ? PaletteOf(image.depth) : image.palette;
}

DepthConverter& StandardDepthConverter() {
  static NearestColourConverter converter;
  return converter;
}

}  // namespace zf61
