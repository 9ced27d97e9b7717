// A GUI application for programs that draw without a window (tools, tests): texts need its
// font database.
#pragma once

namespace zf61 {

// Creates one, on the offscreen platform unless another is asked for, where there is none yet.
void EnsureGuiApplication(const char* name);

}  // namespace zf61
