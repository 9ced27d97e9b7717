// The program's message loop: the form previews keys and the wheel, the dialog keys (Tab, the
// Alt accelerators) reach the controls, and everything else is dispatched.
#pragma once

#include "shell/Win32Form.h"

namespace zf61::win32 {

// Runs until the window is closed; the exit code of WM_QUIT.
int RunMessageLoop(Win32Form& form);

// Handles the messages waiting now, without blocking (for tests that drive the window).
void PumpMessages(Win32Form& form);

}  // namespace zf61::win32
