// The BMP encoder.
#include "output/BmpWriter.h"

#include "files/AtomicFile.h"

namespace zf61 {
namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
// 96 dots per inch, in pixels per metre.
constexpr int32_t kPixelsPerMetre = 3780;

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8 & 0xFF));
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

uint32_t RowBytes(int32_t width, int bits) {
  uint64_t rowBits = static_cast<uint64_t>(width) * static_cast<uint64_t>(bits);
  return static_cast<uint32_t>((rowBits + 31) / 32 * 4);
}

void PutRow(std::string& out, const IndexedImage& image, int32_t y, int bits, uint32_t rowBytes) {
  size_t start = out.size();
  size_t first = static_cast<size_t>(y) * static_cast<size_t>(image.width);
  if (bits == 24 || bits == 32) {
    for (int32_t x = 0; x < image.width; ++x) {
      uint32_t p = image.pixels[first + static_cast<size_t>(x)];
      out.push_back(static_cast<char>(p & 0xFF));        // B
      out.push_back(static_cast<char>(p >> 8 & 0xFF));   // G
      out.push_back(static_cast<char>(p >> 16 & 0xFF));  // R
      if (bits == 32) out.push_back('\0');
    }
  } else {
    int perByte = 8 / bits;
    for (int32_t x = 0; x < image.width; x += perByte) {
      uint32_t byte = 0;
      for (int k = 0; k < perByte; ++k) {
        uint32_t index =
            x + k < image.width ? image.indices[first + static_cast<size_t>(x + k)] : 0;
        byte |= index << (8 - bits * (k + 1));  // the leftmost pixel in the high bits
      }
      out.push_back(static_cast<char>(byte));
    }
  }
  out.resize(start + rowBytes, '\0');
}

}  // namespace

std::string EncodeBmp(const IndexedImage& image) {
  int bits = BitsPerPixel(image.depth);
  const std::vector<uint32_t>& palette = ColourTableOf(image);
  uint32_t rowBytes = RowBytes(image.width, bits);
  uint32_t imageBytes = rowBytes * static_cast<uint32_t>(image.height);
  uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + 4 * static_cast<uint32_t>(palette.size());
  std::string out;
  out.reserve(offset + imageBytes);
  out += "BM";
  Put32(out, offset + imageBytes);
  Put32(out, 0);  // two reserved words
  Put32(out, offset);
  Put32(out, kInfoHeaderBytes);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(image.height));  // positive: rows bottom-up
  Put16(out, 1);                                    // planes
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);  // every colour important
  for (uint32_t c : palette) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8 & 0xFF));
    out.push_back(static_cast<char>(c >> 16 & 0xFF));
    out.push_back('\0');
  }
  for (int32_t y = image.height - 1; y >= 0; --y) PutRow(out, image, y, bits, rowBytes);
  return out;
}

bool WriteBmpFile(const std::filesystem::path& path, const IndexedImage& image, FileOps& ops) {
  if (image.width <= 0 || image.height <= 0) return false;
  return WriteFileAtomically(path, EncodeBmp(image), ops);
}

}  // namespace zf61
