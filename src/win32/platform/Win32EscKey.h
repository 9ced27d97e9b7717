// The Esc poll of a long redraw: the key's state at this moment, read with GetAsyncKeyState.
#pragma once

#include "model/EscKey.h"

namespace zf61::win32 {

class Win32EscKey final : public EscKey {
 public:
  bool EscPressed() override;
};

}  // namespace zf61::win32
