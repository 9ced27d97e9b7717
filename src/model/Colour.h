// Colours as Windows colour values: 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace zf61 {

using Colour = uint32_t;

constexpr Colour MakeColour(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr Colour kWhite = MakeColour(255, 255, 255);
inline constexpr Colour kBlack = MakeColour(0, 0, 0);

}  // namespace zf61
