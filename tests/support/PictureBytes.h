// Hand-made picture files for the picture tests: metafiles with a frame of 1000 x 500 units and
// a red rectangle inset from (100, 100) to (900, 400), drawn with the default one-unit black
// pen, and an icon with a mask.
#pragma once

#include <initializer_list>
#include <string>

namespace zf61::test {

inline void Put16(std::string& s, int v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8 & 0xFF));
}
inline void Put32(std::string& s, long v) {
  Put16(s, static_cast<int>(v & 0xFFFF));
  Put16(s, static_cast<int>(v >> 16 & 0xFFFF));
}

// A placeable WMF of 1000 x 500 units with a red rectangle from (100, 100) to (900, 400).
inline std::string RedWmf() {
  std::string records;
  auto record = [&](int function, std::initializer_list<int> params) {
    Put32(records, 3 + static_cast<long>(params.size()));
    Put16(records, function);
    for (int p : params) Put16(records, p);
  };
  record(0x0103, {8});                     // SETMAPMODE anisotropic
  record(0x020B, {0, 0});                  // SETWINDOWORG
  record(0x020C, {500, 1000});             // SETWINDOWEXT
  record(0x02FC, {0, 0x00FF, 0x0000, 0});  // CREATEBRUSHINDIRECT: solid red
  record(0x012D, {0});                     // SELECTOBJECT
  record(0x041B, {400, 900, 100, 100});    // RECTANGLE
  record(0x0000, {});                      // EOF
  std::string header;
  for (int v : {1, 9, 0x0300}) Put16(header, v);
  Put32(header, 9 + static_cast<long>(records.size()) / 2);
  Put16(header, 1);
  Put32(header, 7);
  Put16(header, 0);
  std::string placeable;
  Put32(placeable, 0x9AC6CDD7L);
  for (int v : {0, 0, 0, 1000, 500, 1440}) Put16(placeable, v);
  Put32(placeable, 0);
  int checksum = 0;
  for (int i = 0; i < 10; ++i) {
    checksum ^= static_cast<unsigned char>(placeable[2 * i]) |
                static_cast<unsigned char>(placeable[2 * i + 1]) << 8;
  }
  Put16(placeable, checksum);
  return placeable + header + records;
}

// An EMF whose frame is 1000 x 500 device units, with the same rectangle.
inline std::string RedEmf() {
  auto record = [](long type, const std::string& body) {
    std::string r;
    Put32(r, type);
    Put32(r, 8 + static_cast<long>(body.size()));
    return r + body;
  };
  std::string brush, select, rect, eof, header;
  for (long v : {1L, 0L, 0x000000FFL, 0L}) Put32(brush, v);
  Put32(select, 1);
  for (long v : {100L, 100L, 900L, 400L}) Put32(rect, v);
  for (long v : {0L, 0x10L, 20L}) Put32(eof, v);
  std::string records = record(39, brush) + record(37, select) + record(43, rect) + record(14, eof);
  for (long v : {0L, 0L, 1000L, 500L, 0L, 0L, 26458L, 13229L, 0x464D4520L, 0x10000L, 0L, 5L}) {
    Put32(header, v);
  }
  Put16(header, 2);
  Put16(header, 0);
  for (long v : {0L, 0L, 0L, 1000L, 500L, 265L, 132L}) Put32(header, v);
  std::string head = record(1, header);
  std::string total;
  Put32(total, static_cast<long>(head.size() + records.size()));
  head.replace(48, 4, total);
  return head + records;
}

// A 16 x 16 icon of 24 or 32 bits whose left half is masked out (and, at 32 bits, transparent
// in its own alpha too) and whose right half is red.
inline std::string HalfRedIcon(int bits = 24) {
  const int bytesPerPixel = bits / 8;
  std::string ico;
  for (int v : {0, 1, 1}) Put16(ico, v);  // ICONDIR: one icon
  ico += std::string{16, 16, 0, 0};       // 16 x 16, no palette
  Put16(ico, 1);                          // planes
  Put16(ico, bits);
  const long xorBytes = 16 * 16 * bytesPerPixel, andBytes = 16 * 4;
  Put32(ico, 40 + xorBytes + andBytes);
  Put32(ico, 22);
  for (long v : {40L, 16L, 32L}) Put32(ico, v);  // the height counts both masks
  Put16(ico, 1);
  Put16(ico, bits);
  for (int i = 0; i < 6; ++i) Put32(ico, 0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      std::string pixel = x < 8 ? std::string(3, '\0') : std::string{0, 0, '\xFF'};
      if (bits == 32) pixel += x < 8 ? '\0' : '\xFF';
      ico += pixel;
    }
  }
  for (int y = 0; y < 16; ++y) ico += std::string{'\xFF', 0, 0, 0};  // left 8 pixels masked
  return ico;
}

}  // namespace zf61::test
