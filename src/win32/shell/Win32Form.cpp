// Win32Form: construction, showing, and what TForm1 asks of the front-end.
#include "shell/Win32Form.h"

#include "platform/WideText.h"
#include "shell/Win32Dialogs.h"
#include "shell/WindowPlace.h"

namespace zf61::win32 {
namespace {

std::string WindowText(HWND control) {
  int length = GetWindowTextLengthW(control);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return WideToUtf8(text);
}

}  // namespace

Win32Form::Win32Form(std::filesystem::path programFile, FormServices services, HINSTANCE instance)
    : instance_(instance) {
  createWindow();
  form_ = std::make_unique<TForm1>(std::move(programFile), *this, services);
  // The drawing area got its size before there was a form to tell.
  RECT box = {};
  GetClientRect(control(kIdPaintBox1), &box);
  form_->PaintBox1Resized(box.right, box.bottom);
}

Win32Form::~Win32Form() {
  if (window_) DestroyWindow(window_);
  form_.reset();
  for (HBRUSH brush : {panelBrush_, statusBrush_, swatchBrush_, whiteBrush_}) {
    if (brush) DeleteObject(brush);
  }
  if (font_) DeleteObject(font_);
}

void Win32Form::show(int showCommand) {
  form_->FormShow();
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

// The status line is the one text control outside the panel.
HWND Win32Form::textWindow(TextControl c) const {
  PanelControl onPanel = PanelControlOf(c);
  return onPanel == PanelControl::Count ? control(kIdLabelA1) : control(onPanel);
}

std::string Win32Form::text(TextControl c) const {
  return WindowText(textWindow(c));
}

void Win32Form::setText(TextControl c, std::string_view utf8) {
  SetWindowTextW(textWindow(c), Utf8ToWide(utf8).c_str());
}

int Win32Form::selectedItem(ChoiceControl c) const {
  if (c == ChoiceControl::RadioGroup1) {
    for (size_t i = 0; i < std::size(kBackgroundItems); ++i) {
      if (SendMessageW(radio(static_cast<int>(i)), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return static_cast<int>(i);
      }
    }
    return 0;
  }
  if (c == ChoiceControl::CheckBox1) {
    return SendMessageW(control(PanelControl::CheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  LRESULT item = SendMessageW(control(PanelControlOf(c)), CB_GETCURSEL, 0, 0);
  return item == CB_ERR ? 0 : static_cast<int>(item);
}

void Win32Form::selectItem(ChoiceControl c, int item) {
  if (c == ChoiceControl::RadioGroup1) {
    for (size_t i = 0; i < std::size(kBackgroundItems); ++i) {
      SendMessageW(radio(static_cast<int>(i)), BM_SETCHECK,
                   static_cast<int>(i) == item ? BST_CHECKED : 0, 0);
    }
  } else if (c == ChoiceControl::CheckBox1) {
    SendMessageW(control(PanelControl::CheckBox1), BM_SETCHECK, item == 1 ? BST_CHECKED : 0, 0);
  } else {
    SendMessageW(control(PanelControlOf(c)), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  }
}

void Win32Form::setSwatchColour(Colour colour) {
  if (swatchBrush_) DeleteObject(swatchBrush_);
  swatchBrush_ = CreateSolidBrush(colour);
  InvalidateRect(control(PanelControl::Label1), nullptr, TRUE);
}

void Win32Form::setButtonEnabled(ButtonControl button, bool enabled) {
  HWND b = control(PanelControlOf(button));
  EnableWindow(b, enabled);
  UpdateWindow(b);  // drawn disabled at once, before a long task starts
}

void Win32Form::showMessage(std::string_view utf8) {
  ShowMessageBox(window_, utf8);
}

std::optional<Colour> Win32Form::chooseColour(Colour initial) {
  return RunColourDialog(window_, initial);
}

std::optional<std::string> Win32Form::choosePictureFile(std::string_view folder,
                                                        std::string_view name) {
  return RunPictureFileDialog(window_, folder, name);
}

std::unique_ptr<Canvas> Win32Form::createCanvas(int32_t width, int32_t height) {
  auto canvas = std::make_unique<GdiCanvas>(width, height);
  canvas_ = canvas.get();
  return canvas;
}

void Win32Form::presentCanvas() {
  if (inPaint_ || !canvas_) return;  // the paint under way shows the canvas when it ends
  HWND box = control(kIdPaintBox1);
  HDC dc = GetDC(box);
  GdiFlush();
  BitBlt(dc, 0, 0, canvas_->width(), canvas_->height(), canvas_->dc(), 0, 0, SRCCOPY);
  ReleaseDC(box, dc);
}

void Win32Form::presentStatus() {
  RedrawWindow(control(kIdLabelA1), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  // Looking at the queue, without taking anything from it, tells Windows the window still
  // answers, so a long run is not shown as "not responding" over its progress.
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}

WindowGeometry Win32Form::windowPlace() const {
  RECT r = {};
  if (IsIconic(window_) || IsZoomed(window_)) {
    // Minimised or maximised: the place the window returns to.
    WINDOWPLACEMENT placement = {sizeof(WINDOWPLACEMENT)};
    GetWindowPlacement(window_, &placement);
    MONITORINFO monitor = {sizeof(MONITORINFO)};
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    bool tool = GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW;
    r = NormalRectOnScreen(placement, monitor, tool);
  } else {
    GetWindowRect(window_, &r);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Form::placeWindow(const WindowGeometry& g) {
  SetWindowPos(window_, nullptr, g.left, g.top, g.width, g.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::focusNotes() {
  SetFocus(control(PanelControl::Memo1));
}

std::optional<PixelPoint> Win32Form::pointerInDrawingArea() const {
  POINT at = {};
  HWND box = control(kIdPaintBox1);
  RECT client = {};
  if (!GetCursorPos(&at) || !ScreenToClient(box, &at) || !GetClientRect(box, &client) ||
      !PtInRect(&client, at)) {
    return std::nullopt;
  }
  return PixelPoint{at.x, at.y};
}

bool Win32Form::controlTakesKeys() const {
  HWND focus = GetFocus();
  if (!focus) return false;
  for (const PanelItem& item : kPanelItems) {
    if (focus == control(item.control)) return TakesKeys(item.kind);
  }
  return false;
}

void Win32Form::setBusy(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32Form::discardPendingInput() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

void Win32Form::closeWindow() {
  if (window_) SendMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace zf61::win32
