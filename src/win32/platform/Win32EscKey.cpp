#include "platform/Win32EscKey.h"

#include <windows.h>

namespace zf61::win32 {

bool Win32EscKey::EscPressed() {
  // The high bit says the key is down now; the low bit (pressed since the last call) is not
  // used, so an old press does not stop a new redraw.
  return (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
}

}  // namespace zf61::win32
