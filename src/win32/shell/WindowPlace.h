// Where a window returns to from maximised or minimised, in screen coordinates: Windows gives
// that rectangle from the work area's corner (unless the window is a tool window), which is
// not the screen's corner when the taskbar stands at the top or the left.
#pragma once

#include <windows.h>

namespace zf61::win32 {

inline RECT NormalRectOnScreen(const WINDOWPLACEMENT& placement, const MONITORINFO& monitor,
                               bool toolWindow) {
  RECT r = placement.rcNormalPosition;
  if (!toolWindow) {
    OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top);
  }
  return r;
}

}  // namespace zf61::win32
