// Win32Form: the window, its controls, their font and colours, and the layout.
#include <algorithm>

#include "platform/WideText.h"
#include "shell/PaintBoxWindow.h"
#include "shell/Win32Form.h"
#include "window/Captions.h"
#include "window/MemoText.h"
#include "window/SettingsFile.h"

namespace zf61::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TForm1";
constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr int kStatusHeight = 18;
constexpr int kMemoMinimumHeight = 80;
constexpr int kMemoTop = 374;
constexpr int kMargin = 4;
constexpr int kRowHeight = 26;
// Faces tried in turn where the window's own font is missing; each has the Shift-JIS set.
constexpr const wchar_t* kFallbackFaces[] = {
    L"MS Gothic", L"Noto Sans CJK JP", L"Noto Sans Mono CJK JP",
    L"IPAGothic", L"TakaoGothic",      L"VL Gothic"};

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted = {};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// "ＭＳ ゴシック" 13 pixels high in the Shift-JIS character set, which the font mapper honours
// whatever the system's locale; a Japanese gothic stands in where it is not installed.
HFONT MakeWindowFont() {
  std::wstring face = Utf8ToWide(kFontFace);
  if (!FaceInstalled(face.c_str())) {
    for (const wchar_t* fallback : kFallbackFaces) {
      if (FaceInstalled(fallback)) {
        face = fallback;
        break;
      }
    }
  }
  return CreateFontW(-kFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, face.c_str());
}

void RegisterClasses(HINSTANCE instance, WNDPROC formProc, WNDPROC panelProc) {
  WNDCLASSEXW form = {sizeof(WNDCLASSEXW)};
  form.style = CS_HREDRAW | CS_VREDRAW;
  form.lpfnWndProc = formProc;
  form.hInstance = instance;
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);  // a second registration fails harmlessly
  WNDCLASSEXW panel = form;
  panel.lpfnWndProc = panelProc;
  panel.hIcon = nullptr;
  panel.hbrBackground = nullptr;  // painted in the panel's colour
  panel.lpszClassName = kPanelClass;
  RegisterClassExW(&panel);
  RegisterPaintBoxClass(instance);
}

std::wstring MemoText() {
  std::wstring text;
  for (const char* line : kMemoLines) {
    if (!text.empty()) text += L"\r\n";
    text += Utf8ToWide(line);
  }
  return text;
}

}  // namespace

void Win32Form::createWindow() {
  panelBrush_ = CreateSolidBrush(kPanelColour);
  statusBrush_ = CreateSolidBrush(kStatusColour);
  whiteBrush_ = CreateSolidBrush(kWhite);
  swatchBrush_ = CreateSolidBrush(kWhite);
  font_ = MakeWindowFont();
  RegisterClasses(instance_, WindowProc, PanelProc);
  window_ = CreateWindowExW(0, kFormClass, Utf8ToWide(kWindowCaption).c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                            kMinWindowWidth, kMinWindowWidth, nullptr, nullptr, instance_, this);
  if (!window_) return;
  createControls();
  applyFont();
  layout();
}

HWND Win32Form::makeControl(ControlId id, const wchar_t* windowClass, const char* caption,
                            DWORD style, HWND parent) {
  // Windows of this program's own classes learn their form at creation.
  bool own = windowClass == kPanelClass || windowClass == kPaintBoxClass;
  HWND made = CreateWindowExW(0, windowClass, Utf8ToWide(caption ? caption : "").c_str(),
                              WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                              own ? this : nullptr);
  controls_[id - kIdButton1] = made;
  return made;
}

// A drop-down list of `items` with `selected` chosen.
template <size_t N>
void Win32Form::makeDropDown(ControlId id, const char* const (&items)[N], int selected,
                             HWND panel) {
  HWND combo = makeControl(id, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, panel);
  for (const char* item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void Win32Form::createControls() {
  makeControl(kIdPaintBox1, kPaintBoxClass, "", 0, window_);
  // The side panel scrolls when the window is too low for all of its controls; its controls
  // take part in the keyboard's dialog navigation (WS_EX_CONTROLPARENT).
  HWND panel = makeControl(kIdPanel2, kPanelClass, "", WS_VSCROLL, window_);
  SetWindowLongPtrW(panel, GWL_EXSTYLE,
                    GetWindowLongPtrW(panel, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  makeControl(kIdLabelA1, L"STATIC", kStatusBlank, SS_CENTER | SS_CENTERIMAGE, window_);
  createPanelControls();
}

void Win32Form::createPanelControls() {
  HWND panel = control(kIdPanel2);
  makeControl(kIdRadioGroup1, L"BUTTON", kCaptionRadioGroup1, BS_GROUPBOX, panel);
  makeControl(kIdRadioWhite, L"BUTTON", kBackgroundItems[0],
              BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, panel);
  makeControl(kIdRadioBlack, L"BUTTON", kBackgroundItems[1], BS_AUTORADIOBUTTON, panel);
  SendMessageW(control(kIdRadioWhite), BM_SETCHECK, BST_CHECKED, 0);
  makeControl(kIdButton4, L"BUTTON", kCaptionButton4, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, panel);
  makeControl(kIdLabel1, L"STATIC", "", SS_SUNKEN, panel);
  makeControl(kIdLabel3, L"STATIC", kCaptionLabel3, SS_LEFT | SS_CENTERIMAGE, panel);
  makeControl(kIdEdit2, L"EDIT", kInitialOpacity, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, panel);
  makeControl(kIdButton5, L"BUTTON", kCaptionButton5, BS_PUSHBUTTON | WS_TABSTOP, panel);
  makeControl(kIdEdit1, L"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, panel);
  makeControl(kIdLabel2, L"STATIC", "", SS_LEFT | SS_NOPREFIX, panel);
  makeControl(kIdLabel5, L"STATIC", kCaptionLabel5, SS_LEFT | SS_CENTERIMAGE, panel);
  makeDropDown(kIdComboBox1, kDepthItems, kInitialDepthItem, panel);
  makeControl(kIdLabel8, L"STATIC", kCaptionLabel8, SS_LEFT | SS_CENTERIMAGE, panel);
  makeDropDown(kIdComboBox3, kMagnificationItems, 0, panel);
  makeControl(kIdLabel4, L"STATIC", kCaptionLabel4, SS_LEFT | SS_CENTERIMAGE, panel);
  makeControl(kIdEdit3, L"EDIT", kInitialArcDivisions, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
              panel);
  makeControl(kIdLabel6, L"STATIC", kCaptionLabel6, SS_LEFT | SS_CENTERIMAGE, panel);
  makeDropDown(kIdComboBox2, kMethodItems, 0, panel);
  makeControl(kIdLabel7, L"STATIC", kCaptionLabel7, SS_LEFT | SS_CENTERIMAGE, panel);
  makeControl(kIdEdit4, L"EDIT", kInitialGap, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, panel);
  makeControl(kIdButton3, L"BUTTON", kCaptionButton3, BS_PUSHBUTTON | WS_TABSTOP, panel);
  makeControl(kIdButton6, L"BUTTON", kCaptionButton6, BS_PUSHBUTTON | WS_TABSTOP, panel);
  makeControl(kIdButton7, L"BUTTON", kCaptionButton7, BS_PUSHBUTTON | WS_TABSTOP, panel);
  HWND memo = makeControl(kIdMemo1, L"EDIT", "",
                          ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                              WS_HSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                          panel);
  SetWindowTextW(memo, MemoText().c_str());
  makeControl(kIdButton1, L"BUTTON", kCaptionButton1, BS_PUSHBUTTON | WS_TABSTOP, panel);
  makeControl(kIdButton2, L"BUTTON", kCaptionButton2, BS_PUSHBUTTON | WS_TABSTOP, panel);
}

void Win32Form::applyFont() {
  for (HWND child : controls_) {
    if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
}

void Win32Form::layout() {
  RECT client = {};
  GetClientRect(window_, &client);
  int w = client.right, h = std::max<int>(client.bottom - kStatusHeight, 0);
  int boxWidth = std::max(w - kPanelWidth, 0);
  MoveWindow(control(kIdPaintBox1), 0, 0, boxWidth, h, TRUE);
  MoveWindow(control(kIdPanel2), boxWidth, 0, std::min(w, kPanelWidth), h, TRUE);
  MoveWindow(control(kIdLabelA1), 0, h, w, kStatusHeight, TRUE);
  layoutPanel();
}

void Win32Form::layoutPanel() {
  HWND panel = control(kIdPanel2);
  RECT client = {};
  GetClientRect(panel, &client);
  int inner = std::max<int>(client.right - 2 * kMargin, 0);
  int memoHeight = std::max<int>(kMemoMinimumHeight, client.bottom - kMemoTop - kRowHeight - 8);
  int contentHeight = kMemoTop + memoHeight + kRowHeight + 8;
  SCROLLINFO bar = {sizeof(SCROLLINFO),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    contentHeight - 1,
                    static_cast<UINT>(client.bottom),
                    0,
                    0};
  panelScroll_ = std::clamp(panelScroll_, 0, std::max(0, contentHeight - int(client.bottom)));
  bar.nPos = panelScroll_;
  SetScrollInfo(panel, SB_VERT, &bar, TRUE);
  int top = -panelScroll_;
  int half = inner / 2 - 2, fieldX = kMargin + 76, fieldWidth = std::max(inner - 76, 0);
  auto place = [&](ControlId id, int x, int y, int cw, int ch) {
    MoveWindow(control(id), x, top + y, cw, ch, TRUE);
  };
  place(kIdRadioGroup1, kMargin, 2, inner, 42);
  place(kIdRadioWhite, kMargin + 10, 18, half - 10, 20);
  place(kIdRadioBlack, kMargin + half + 10, 18, half - 10, 20);
  place(kIdButton4, kMargin, 48, 64, 24);
  place(kIdLabel1, kMargin + 68, 48, std::max(inner - 68, 0), 24);
  place(kIdLabel3, kMargin, 76, 74, 22);
  place(kIdEdit2, fieldX, 76, fieldWidth, 22);
  place(kIdButton5, kMargin, 102, inner, 24);
  place(kIdEdit1, kMargin, 128, inner, 22);
  place(kIdLabel2, kMargin, 152, inner, 33);  // two lines of a long path
  place(kIdLabel5, kMargin, 186, 74, 22);
  place(kIdComboBox1, fieldX, 186, fieldWidth, 200);
  place(kIdLabel8, kMargin, 212, 74, 22);
  place(kIdComboBox3, fieldX, 212, fieldWidth, 240);
  place(kIdLabel4, kMargin, 238, 74, 22);
  place(kIdEdit3, fieldX, 238, fieldWidth, 22);
  place(kIdLabel6, kMargin, 264, 74, 22);
  place(kIdComboBox2, fieldX, 264, fieldWidth, 200);
  place(kIdLabel7, kMargin, 290, 74, 22);
  place(kIdEdit4, fieldX, 290, fieldWidth, 22);
  int runWidth = inner * 3 / 5;
  place(kIdButton3, kMargin, 316, runWidth, kRowHeight);
  place(kIdButton6, kMargin + runWidth + 4, 316, std::max(inner - runWidth - 4, 0), kRowHeight);
  place(kIdButton7, kMargin, 344, inner, kRowHeight);
  place(kIdMemo1, kMargin, kMemoTop, inner, memoHeight);
  int buttonsTop = kMemoTop + memoHeight + 4;
  place(kIdButton1, kMargin, buttonsTop, half, kRowHeight);
  place(kIdButton2, kMargin + half + 4, buttonsTop, inner - half - 4, kRowHeight);
}

void Win32Form::scrollPanel(int request, int thumb) {
  HWND panel = control(kIdPanel2);
  SCROLLINFO bar = {sizeof(SCROLLINFO), SIF_ALL};
  GetScrollInfo(panel, SB_VERT, &bar);
  int step = kRowHeight, page = static_cast<int>(bar.nPage);
  switch (request) {
    case SB_LINEUP:
      panelScroll_ -= step;
      break;
    case SB_LINEDOWN:
      panelScroll_ += step;
      break;
    case SB_PAGEUP:
      panelScroll_ -= page;
      break;
    case SB_PAGEDOWN:
      panelScroll_ += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      panelScroll_ = thumb;
      break;
    default:
      return;
  }
  layoutPanel();
  InvalidateRect(panel, nullptr, TRUE);
}

}  // namespace zf61::win32
