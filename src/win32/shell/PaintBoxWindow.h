// PaintBox1: the drawing area, a child window that shows the form's canvas and hands its
// paints, size changes and mouse messages to the form.
#pragma once

#include <windows.h>

namespace zf61::win32 {

inline constexpr wchar_t kPaintBoxClass[] = L"TPaintBox";

void RegisterPaintBoxClass(HINSTANCE instance);

}  // namespace zf61::win32
