// Metafiles made record by record for the metafile tests.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string>

#include "support/PictureBytes.h"

namespace zf61::test {

// A placeable WMF whose box is (0, 0)-(width, height); records take 16-bit parameters as
// stored (coordinates last parameter first).
class WmfBytes {
 public:
  WmfBytes(int width, int height) : width_(width), height_(height) {}
  WmfBytes& record(int function, std::initializer_list<int> params) {
    Put32(records_, 3 + static_cast<long>(params.size()));
    Put16(records_, function);
    for (int p : params) Put16(records_, p);
    return *this;
  }
  // A record whose parameters are raw bytes (padded to whole words).
  WmfBytes& raw(int function, std::string params) {
    if (params.size() % 2) params.push_back('\0');
    Put32(records_, 3 + static_cast<long>(params.size() / 2));
    Put16(records_, function);
    records_ += params;
    return *this;
  }
  std::string bytes() const {
    std::string header;
    for (int v : {1, 9, 0x0300}) Put16(header, v);
    Put32(header, 9 + static_cast<long>(records_.size()) / 2 + 3);
    Put16(header, 8);
    Put32(header, 64);
    Put16(header, 0);
    std::string placeable;
    Put32(placeable, 0x9AC6CDD7L);
    for (int v : {0, 0, 0, width_, height_, 1440}) Put16(placeable, v);
    Put32(placeable, 0);
    Put16(placeable, 0);
    std::string eof;
    Put32(eof, 3);
    Put16(eof, 0);
    return placeable + header + records_ + eof;
  }

 private:
  int width_, height_;
  std::string records_;
};

// An EMF whose frame is `frameWidth` x `frameHeight` in 0.01 mm on a reference device of
// `devicePixels` pixels over `deviceMm` millimetres (both axes alike).
class EmfBytes {
 public:
  EmfBytes(long frameWidth, long frameHeight, long devicePixels = 1000, long deviceMm = 250)
      : frameWidth_(frameWidth), frameHeight_(frameHeight), pixels_(devicePixels), mm_(deviceMm) {}
  EmfBytes& record(long type, std::initializer_list<long> values) {
    std::string body;
    for (long v : values) Put32(body, v);
    return raw(type, body);
  }
  EmfBytes& raw(long type, const std::string& body) {
    Put32(records_, type);
    Put32(records_, 8 + static_cast<long>(body.size()));
    records_ += body;
    return *this;
  }
  std::string bytes() const {
    std::string header;
    for (long v : {0L, 0L, 0L, 0L, 0L, 0L, frameWidth_, frameHeight_, 0x464D4520L, 0x10000L,
                   0L, 0L}) {
      Put32(header, v);
    }
    Put16(header, 16);
    Put16(header, 0);
    for (long v : {0L, 0L, 0L, pixels_, pixels_, mm_, mm_}) Put32(header, v);
    std::string out;
    Put32(out, 1);
    Put32(out, 8 + static_cast<long>(header.size()));
    std::string eof;
    for (long v : {14L, 20L, 0L, 0x10L, 20L}) Put32(eof, v);
    return out + header + records_ + eof;
  }

 private:
  long frameWidth_, frameHeight_, pixels_, mm_;
  std::string records_;
};

inline std::string Float32(float f) {
  std::string s(4, '\0');
  std::memcpy(s.data(), &f, 4);  // both platforms are little-endian
  return s;
}

// A bottom-up 24-bit bitmap of 2 x 2 pixels: bottom row blue, green; top row red, white.
inline std::string TinyDib() {
  std::string dib;
  for (long v : {40L, 2L, 2L}) Put32(dib, v);
  Put16(dib, 1);
  Put16(dib, 24);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  dib += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);  // blue, green, padding
  dib += std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);  // red, white, padding
  return dib;
}

}  // namespace zf61::test
