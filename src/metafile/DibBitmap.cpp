// BMP files from the bitmaps metafiles carry.
#include "metafile/DibBitmap.h"

#include <cstdint>
#include <cstdlib>

#include "metafile/RecordBytes.h"

namespace zf61 {
namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBitFields = 3;
constexpr int kMaxSide = 1 << 15;

void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

// Bytes of the header and colour table, or 0 when the header is not one to carry.
size_t HeaderAndColours(const RecordBytes& b, int* width, int* height) {
  auto size = b.u32(0);
  if (!size) return 0;
  if (*size == kCoreHeaderSize) {
    auto w = b.u16(4), h = b.u16(6), bits = b.u16(10);
    if (!w || !h || !bits) return 0;
    *width = *w;
    *height = static_cast<int16_t>(*h);
    return kCoreHeaderSize + (*bits <= 8 ? size_t{3} << *bits : 0);
  }
  if (*size < kInfoHeaderSize || *size > 1024) return 0;
  auto w = b.i32(4), h = b.i32(8);
  auto bits = b.u16(14);
  auto compression = b.u32(16), used = b.u32(32);
  if (!w || !h || !bits || !compression || !used || *bits > 32) return 0;
  *width = *w;
  *height = *h;
  size_t colours = *used != 0 ? *used : (*bits <= 8 ? size_t{1} << *bits : 0);
  if (colours > 256) return 0;
  size_t masks = *compression == kBitFields && *size == kInfoHeaderSize ? 12 : 0;
  return *size + masks + colours * 4;
}

}  // namespace

std::optional<DibFile> DibToBmp(std::string_view info, std::string_view bits) {
  RecordBytes b(info);
  DibFile dib;
  int height = 0;
  size_t head = HeaderAndColours(b, &dib.width, &height);
  if (head == 0 || head > info.size() || dib.width <= 0 || dib.width > kMaxSide || height == 0 ||
      std::abs(height) > kMaxSide) {
    return std::nullopt;
  }
  dib.height = std::abs(height);
  dib.bottomUp = height > 0;
  std::string_view body = bits.empty() ? info.substr(head) : bits;
  if (body.empty()) return std::nullopt;
  dib.bmp = "BM";
  Put32(dib.bmp, static_cast<uint32_t>(14 + head + body.size()));
  Put32(dib.bmp, 0);
  Put32(dib.bmp, static_cast<uint32_t>(14 + head));
  dib.bmp.append(info.substr(0, head));
  dib.bmp.append(body);
  return dib;
}

SceneRect DibSourceRect(const DibFile& dib, double x, double y, double width, double height,
                        bool fromBottom) {
  double top = fromBottom && dib.bottomUp ? dib.height - y - height : y;
  return {x, top, x + width, top + height};
}

}  // namespace zf61
