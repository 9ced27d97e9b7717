// GDI+ is started once when the program starts and shut down when it ends.
#pragma once

#include <cstdint>

namespace zf61::win32 {

class GdiplusSession {
 public:
  GdiplusSession();  // GdiplusStartup, input version 1, no debug callback
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool started() const { return started_; }

 private:
  uintptr_t token_ = 0;
  bool started_ = false;
};

}  // namespace zf61::win32
