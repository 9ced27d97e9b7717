// Keys and mouse buttons as the window's behaviour takes them, whatever the toolkit: keys are
// Windows virtual-key codes, buttons a bit set.
#pragma once

namespace zf61 {

enum VirtualKey : int {
  kVkReturn = 13,
  kVkEscape = 27,
  kVkPageUp = 33,
  kVkPageDown = 34,
  kVkEnd = 35,
  kVkHome = 36,
  kVkLeft = 37,
  kVkUp = 38,
  kVkRight = 39,
  kVkDown = 40,
  kVkInsert = 45,
  kVkDelete = 46,
};

enum MouseBits { kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 4 };

// One notch of the mouse wheel.
inline constexpr int kWheelNotch = 120;

}  // namespace zf61
