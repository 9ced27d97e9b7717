// Win32Form: window messages turned into TForm1's handlers.
#include <windowsx.h>

#include "shell/Win32Form.h"
#include "window/Captions.h"
#include "window/KeyCodes.h"
#include "window/SettingsFile.h"

namespace zf61::win32 {
namespace {

int MouseBitsOf(WPARAM keys) {
  int bits = 0;
  if (keys & MK_LBUTTON) bits |= kMouseLeft;
  if (keys & MK_RBUTTON) bits |= kMouseRight;
  if (keys & MK_MBUTTON) bits |= kMouseMiddle;
  return bits;
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// Push buttons, radio buttons and check boxes: the windows of the BUTTON class.
bool IsButton(HWND window) {
  wchar_t name[16] = {};
  return GetClassNameW(window, name, 16) > 0 && lstrcmpiW(name, L"Button") == 0;
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Form* self = OwnerOf<Win32Form>(window, message, lParam);
  if (message == WM_NCCREATE && self) self->window_ = window;
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Form* self = OwnerOf<Win32Form>(panel, message, lParam);
  if (!self) return DefWindowProcW(panel, message, wParam, lParam);
  return self->panelMessage(panel, message, wParam, lParam);
}

// `window` is the window the message came with: the form lets go of its handle at WM_DESTROY,
// and WM_NCDESTROY still follows.
LRESULT Win32Form::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return controlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SIZE:
      layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {kMinWindowWidth, kMinWindowHeight};
      return 0;
    }
    case WM_SETCURSOR:
      if (busy_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::panelMessage(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return handleMessage(window_, message, wParam, lParam);  // the controls' notices: the form's
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(panel, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, panelBrush_);
      return 1;
    }
    case WM_SIZE:
      layoutPanel();
      return 0;
    case WM_VSCROLL:
      scrollPanel(LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
      return DefWindowProcW(panel, message, wParam, lParam);
  }
}

LRESULT Win32Form::controlColour(HDC dc, HWND child) {
  if (child == control(PanelControl::Label1)) return reinterpret_cast<LRESULT>(swatchBrush_);
  if (child == control(PanelControl::Memo1)) {  // read-only, so it asks as a static control does
    SetBkColor(dc, kWhite);
    return reinterpret_cast<LRESULT>(whiteBrush_);
  }
  bool status = child == control(kIdLabelA1);
  SetBkColor(dc, status ? kStatusColour : kPanelColour);
  return reinterpret_cast<LRESULT>(status ? statusBrush_ : panelBrush_);
}

// Buttons and the background reach their handlers; every change of a field, a list or the
// check box is told, so that rooms found for other values are let go. IDOK and IDCANCEL from
// Enter and Esc do nothing.
void Win32Form::onCommand(int id, int code) {
  if (!form_) return;
  if (id >= kIdRadioFirst && id < kIdLabelA1) {
    if (code == BN_CLICKED) form_->RadioGroup1Click(id - kIdRadioFirst);
    return;
  }
  if (id < kIdPanelFirst || id >= kIdRadioFirst) return;
  const PanelItem& item = kPanelItems[id - kIdPanelFirst];
  ButtonControl button;
  if (ButtonOf(item.control, button)) {
    if (code == BN_CLICKED) form_->ButtonClick(button);
  } else if ((item.kind == PanelKind::Edit && code == EN_CHANGE) ||
             (item.kind == PanelKind::DropDown && code == CBN_SELCHANGE) ||
             (item.kind == PanelKind::CheckBox && code == BN_CLICKED)) {
    form_->ControlsChanged();
  }
}

void Win32Form::onClose() {
  if (form_) form_->FormClose();
  if (window_) DestroyWindow(window_);
}

bool Win32Form::preTranslate(const MSG& msg) {
  if (!window_ || !form_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN) {
    bool shift = GetKeyState(VK_SHIFT) < 0;
    return form_->FormKeyDown(static_cast<int>(msg.wParam), shift);
  }
  if (msg.message == WM_CHAR && msg.wParam > L' ' && IsButton(msg.hwnd)) {
    // A letter alone on a focused button would click the button of that accelerator letter;
    // accelerators take Alt, as in the Qt window.
    return true;
  }
  if (msg.message == WM_MOUSEWHEEL) {
    POINT at = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};  // screen coordinates
    ScreenToClient(control(kIdPaintBox1), &at);
    form_->FormMouseWheel(at.x, at.y, GET_WHEEL_DELTA_WPARAM(msg.wParam));
    return true;
  }
  return false;
}

void Win32Form::paintBoxPaint(HDC dc) {
  if (!form_ || !canvas_) return;
  inPaint_ = true;
  form_->PaintBox1Paint();
  inPaint_ = false;
  GdiFlush();
  BitBlt(dc, 0, 0, canvas_->width(), canvas_->height(), canvas_->dc(), 0, 0, SRCCOPY);
}

void Win32Form::paintBoxResized(int width, int height) {
  if (form_) form_->PaintBox1Resized(width, height);
}

void Win32Form::paintBoxMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!form_) return;
  int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  HWND box = control(kIdPaintBox1);
  if (IsButtonDown(message)) {
    SetCapture(box);  // the gesture goes on outside the drawing area
    form_->PaintBox1MouseDown(x, y, MouseBitsOf(wParam));
  } else if (IsButtonUp(message)) {
    form_->PaintBox1MouseUp(x, y);
    if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
  } else {
    form_->PaintBox1MouseMove(x, y);
  }
}

}  // namespace zf61::win32
