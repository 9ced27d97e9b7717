#include "platform/GdiplusSession.h"

#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>

namespace zf61::win32 {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1; background thread and codecs left on
  ULONG_PTR token = 0;
  started_ = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (started_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace zf61::win32
