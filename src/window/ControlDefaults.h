// The side panel's values before the user changes them, for the controls as they are made and
// for a settings file that does not hold them; and the one conversion between the items of
// 画像倍率 and the picture's magnification.
#pragma once

#include <algorithm>

namespace zf61 {

inline constexpr const char* kDefaultOpacityText = "128";      // Edit2
inline constexpr const char* kDefaultArcDivisionsText = "24";  // Edit3
inline constexpr const char* kDefaultGapText = "0";            // Edit4
// ComboBox1: the window's own first choice, "24bit色", which the settings replace by theirs,
// "32bit色", the last item.
inline constexpr int kInitialDepthItem = 3;
inline constexpr int kLastDepthItem = 4;
inline constexpr int kDefaultDepthItem = kLastDepthItem;
// ComboBox3: item i makes the picture i + 1 times finer than the drawing area.
inline constexpr int kMagnificationCount = 8;
inline constexpr int kDefaultMagnification = 1;

inline constexpr int MagnificationOfItem(int item) {
  return std::clamp(item + 1, 1, kMagnificationCount);
}
inline constexpr int ItemOfMagnification(int factor) {
  return std::clamp(factor, 1, kMagnificationCount) - 1;
}

}  // namespace zf61
