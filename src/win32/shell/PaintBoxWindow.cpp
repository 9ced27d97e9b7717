#include "shell/PaintBoxWindow.h"

#include "shell/Win32Form.h"

namespace zf61::win32 {
namespace {

LRESULT CALLBACK PaintBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(box, GWLP_USERDATA));
  if (!form) return DefWindowProcW(box, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(box, &paint);
      form->paintBoxPaint(dc);
      EndPaint(box, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SIZE:
      form->paintBoxResized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      form->paintBoxMouse(message, wParam, lParam);
      return 0;
    case WM_CONTEXTMENU:
      return 0;  // the right button belongs to the two-button gestures
    default:
      return DefWindowProcW(box, message, wParam, lParam);
  }
}

}  // namespace

void RegisterPaintBoxClass(HINSTANCE instance) {
  WNDCLASSEXW box = {sizeof(WNDCLASSEXW)};
  box.style = CS_HREDRAW | CS_VREDRAW;  // a new size repaints the whole area
  box.lpfnWndProc = PaintBoxProc;
  box.hInstance = instance;
  box.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  box.lpszClassName = kPaintBoxClass;
  RegisterClassExW(&box);
}

}  // namespace zf61::win32
