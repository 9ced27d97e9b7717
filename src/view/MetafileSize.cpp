// Sizes of Windows metafiles from their headers, so that their aspect ratio is known even where
// no metafile renderer is at hand.
#include <cstdint>

#include "view/PictureSource.h"

namespace zf61 {
namespace {

constexpr uint32_t kPlaceableWmfKey = 0x9AC6CDD7u;
constexpr uint32_t kEmfHeaderType = 1;
constexpr uint32_t kEmfSignature = 0x464D4520u;  // " EMF"

uint32_t U32(std::string_view b, size_t at) {
  auto u = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])); };
  return u(0) | (u(1) << 8) | (u(2) << 16) | (u(3) << 24);
}

int32_t I16(std::string_view b, size_t at) {
  auto u = [&](size_t i) { return static_cast<uint16_t>(static_cast<unsigned char>(b[at + i])); };
  return static_cast<int16_t>(static_cast<uint16_t>(u(0) | (u(1) << 8)));
}

int32_t I32(std::string_view b, size_t at) {
  return static_cast<int32_t>(U32(b, at));
}

std::optional<MetafileSize> Positive(int64_t w, int64_t h) {
  if (w <= 0 || h <= 0 || w > INT32_MAX || h > INT32_MAX) return std::nullopt;
  return MetafileSize{static_cast<int32_t>(w), static_cast<int32_t>(h)};
}

}  // namespace

std::optional<MetafileSize> ReadMetafileSize(std::string_view b) {
  if (b.size() >= 22 && U32(b, 0) == kPlaceableWmfKey) {
    // Bounding box: left, top, right, bottom as 16-bit values at offset 6.
    return Positive(int64_t{I16(b, 10)} - I16(b, 6), int64_t{I16(b, 12)} - I16(b, 8));
  }
  if (b.size() >= 44 && U32(b, 0) == kEmfHeaderType && U32(b, 40) == kEmfSignature) {
    // Frame rectangle in 0.01 mm at offset 24: left, top, right, bottom.
    return Positive(int64_t{I32(b, 32)} - I32(b, 24), int64_t{I32(b, 36)} - I32(b, 28));
  }
  return std::nullopt;
}

}  // namespace zf61
