// zf61.exe: started by Jw_cad as an external transformation; reads JWC_TEMP.TXT from its own
// folder and writes it back when its window closes. It takes no command line.
#include <windows.h>
// The common controls need the Windows types first.
#include <commctrl.h>

#include <filesystem>
#include <string>

#include "files/FileOps.h"
#include "platform/GdiDepthConverter.h"
#include "platform/GdiplusSession.h"
#include "platform/Win32EscKey.h"
#include "platform/Win32PictureSource.h"
#include "platform/Win32TextCodec.h"
#include "rooms/CgalRoomFinder.h"
#include "shell/MessageLoop.h"
#include "shell/Win32Form.h"
#include "solids/CgalAreaSplitter.h"
#include "window/Clock.h"

namespace {

std::filesystem::path ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size()) {
      path.resize(got);
      return std::filesystem::path(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  zf61::win32::GdiplusSession gdiplus;
  zf61::win32::Win32EscKey esc;
  zf61::win32::Win32PictureSource pictures;
  zf61::win32::Win32TextCodec codec;
  zf61::win32::GdiDepthConverter depths;
  zf61::SteadyClock clock;
  zf61::CgalRoomFinder rooms;
  zf61::CgalAreaSplitter splitter;
  zf61::win32::Win32Form window(
      ProgramFile(),
      {esc, pictures, codec, zf61::SystemFileOps(), depths, clock, &rooms, &splitter}, instance);
  if (!window.alive()) return 1;
  window.show(showCommand);
  return zf61::win32::RunMessageLoop(window);
}
