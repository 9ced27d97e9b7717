#include "shell/MessageLoop.h"

namespace zf61::win32 {
namespace {

void Deliver(Win32Form& form, MSG& msg) {
  if (form.preTranslate(msg)) return;
  if (form.alive() && IsDialogMessageW(form.handle(), &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

int RunMessageLoop(Win32Form& form) {
  MSG msg = {};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Deliver(form, msg);
  return static_cast<int>(msg.wParam);
}

void PumpMessages(Win32Form& form) {
  MSG msg = {};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) Deliver(form, msg);
  }
}

}  // namespace zf61::win32
