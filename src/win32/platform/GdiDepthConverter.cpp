#include "platform/GdiDepthConverter.h"

#include <windows.h>

#include <cstring>

#include "platform/GdiCanvas.h"

namespace zf61::win32 {
namespace {

constexpr int kSystemColours = 16;
constexpr int kHalftoneColours = 256;

uint32_t FromPaletteEntry(const PALETTEENTRY& e) {
  return 0xFF000000u | uint32_t{e.peRed} << 16 | uint32_t{e.peGreen} << 8 | e.peBlue;
}

// The fixed 16 colours, or on a display with a hardware palette its first and last eight
// system entries around the fixed middle.
std::vector<uint32_t> SystemSixteen() {
  std::vector<uint32_t> table = PaletteOf(ColourDepth::Bits4);
  HDC screen = GetDC(nullptr);
  if ((GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) &&
      GetDeviceCaps(screen, SIZEPALETTE) >= kSystemColours) {
    int size = GetDeviceCaps(screen, SIZEPALETTE);
    std::vector<PALETTEENTRY> entries(static_cast<size_t>(size));
    if (GetSystemPaletteEntries(screen, 0, static_cast<UINT>(size), entries.data()) ==
        static_cast<UINT>(size)) {
      for (int i = 0; i < 8; ++i) {
        table[i] = FromPaletteEntry(entries[i]);
        table[8 + i] = FromPaletteEntry(entries[size - 8 + i]);
      }
    }
  }
  ReleaseDC(nullptr, screen);
  return table;
}

std::vector<uint32_t> Halftone() {
  HDC screen = GetDC(nullptr);
  HPALETTE palette = CreateHalftonePalette(screen);
  ReleaseDC(nullptr, screen);
  std::vector<uint32_t> table;
  if (!palette) return PaletteOf(ColourDepth::Bits8);
  std::vector<PALETTEENTRY> entries(kHalftoneColours);
  UINT got = GetPaletteEntries(palette, 0, kHalftoneColours, entries.data());
  DeleteObject(palette);
  for (UINT i = 0; i < got; ++i) table.push_back(FromPaletteEntry(entries[i]));
  if (table.empty()) return PaletteOf(ColourDepth::Bits8);
  return table;
}

struct IndexedInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

// Unpacks rows of 1, 4 or 8 bits, each padded to four bytes, into one index per pixel.
std::vector<uint8_t> Unpack(const uint8_t* bits, int32_t width, int32_t height, int bpp) {
  size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  std::vector<uint8_t> indices(static_cast<size_t>(width) * height);
  int perByte = 8 / bpp;
  uint8_t mask = static_cast<uint8_t>((1 << bpp) - 1);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = bits + stride * y;
    for (int32_t x = 0; x < width; ++x) {
      int shift = 8 - bpp * (x % perByte + 1);  // the leftmost pixel in the high bits
      indices[static_cast<size_t>(y) * width + x] = row[x / perByte] >> shift & mask;
    }
  }
  return indices;
}

}  // namespace

std::vector<uint32_t> GdiColourTable(ColourDepth depth) {
  switch (depth) {
    case ColourDepth::Bits1:
      return PaletteOf(ColourDepth::Bits1);
    case ColourDepth::Bits4:
      return SystemSixteen();
    case ColourDepth::Bits8:
      return Halftone();
    default:
      return {};
  }
}

IndexedImage GdiDepthConverter::convert(const RasterImage& image, ColourDepth depth) {
  std::vector<uint32_t> table = GdiColourTable(depth);
  if (table.empty() || image.width <= 0 || image.height <= 0) return ConvertToDepth(image, depth);
  GdiCanvas source(image.width, image.height);
  if (!source.valid()) return {};
  source.writePixels(image);
  IndexedInfo info = {};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = image.width;
  info.header.biHeight = -image.height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(BitsPerPixel(depth));
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    info.colours[i] = {static_cast<BYTE>(table[i]), static_cast<BYTE>(table[i] >> 8),
                       static_cast<BYTE>(table[i] >> 16), 0};
  }
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(source.dc());
  HBITMAP target =
      CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  IndexedImage out;
  if (dc && target) {
    HGDIOBJ previous = SelectObject(dc, target);
    BitBlt(dc, 0, 0, image.width, image.height, source.dc(), 0, 0, SRCCOPY);
    GdiFlush();
    out.width = image.width;
    out.height = image.height;
    out.depth = depth;
    out.palette = table;
    out.indices = Unpack(static_cast<const uint8_t*>(bits), image.width, image.height,
                         info.header.biBitCount);
    SelectObject(dc, previous);
  }
  if (target) DeleteObject(target);
  if (dc) DeleteDC(dc);
  return out;
}

}  // namespace zf61::win32
