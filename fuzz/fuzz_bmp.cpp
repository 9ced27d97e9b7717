// The BMP writer: random sizes (1 x 1 up, widths that need row padding), depths and pixels are
// encoded, decoded again here independently, and compared field by field and pixel by pixel.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "output/BmpWriter.h"

namespace {

uint32_t Get(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

// The colour of pixel (x, y) (y from the top) as the file stores it.
uint32_t PixelOf(const std::string& b, int32_t width, int32_t height, int bits, int32_t x,
                 int32_t y) {
  uint32_t offset = Get(b, 10, 4);
  uint32_t row = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  size_t start = offset + static_cast<size_t>(height - 1 - y) * row;
  if (bits >= 24) {
    size_t at = start + static_cast<size_t>(x) * (bits / 8);
    return 0xFF000000u | Get(b, at, 3);
  }
  size_t bit = static_cast<size_t>(x) * bits;
  uint32_t byte = static_cast<unsigned char>(b[start + bit / 8]);
  uint32_t index = byte >> (8 - bits - bit % 8) & ((1u << bits) - 1);
  return 0xFF000000u | Get(b, 54 + 4 * index, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  zf61::RasterImage image;
  image.width = 1 + data[0] % 67;
  image.height = 1 + data[1] % 23;
  auto depth = static_cast<zf61::ColourDepth>(data[2] % 5);
  for (int32_t i = 0; i < image.width * image.height; ++i) {
    size_t at = 3 + static_cast<size_t>(i) * 3 % (size > 3 ? size - 3 : 1);
    uint32_t r = at < size ? data[at] : 0, g = at + 1 < size ? data[at + 1] : 0;
    uint32_t b = at + 2 < size ? data[at + 2] : 0;
    image.pixels.push_back(0xFF000000u | r << 16 | g << 8 | b);
  }
  zf61::IndexedImage indexed = zf61::ConvertToDepth(image, depth);
  std::string file = zf61::EncodeBmp(indexed);
  int bits = zf61::BitsPerPixel(depth);
  size_t palette = zf61::PaletteOf(depth).size();
  uint32_t row = (static_cast<uint32_t>(image.width) * bits + 31) / 32 * 4;
  FUZZ_CHECK(file.substr(0, 2) == "BM");
  FUZZ_CHECK(Get(file, 2, 4) == file.size());
  FUZZ_CHECK(file.size() == 54 + 4 * palette + static_cast<size_t>(row) * image.height);
  FUZZ_CHECK(Get(file, 18, 4) == static_cast<uint32_t>(image.width));
  FUZZ_CHECK(Get(file, 22, 4) == static_cast<uint32_t>(image.height));
  FUZZ_CHECK(Get(file, 28, 2) == static_cast<uint32_t>(bits));
  zf61::RasterImage shown = zf61::ShownAsSaved(indexed);
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      FUZZ_CHECK(PixelOf(file, image.width, image.height, bits, x, y) == shown.at(x, y));
    }
  }
  return 0;
}
