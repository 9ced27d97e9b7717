// Win32Form: the window, its controls, their font and colours, and the layout.
#include <algorithm>

#include "platform/WideText.h"
#include "shell/PaintBoxWindow.h"
#include "shell/PanelLayout.h"
#include "shell/Win32Form.h"
#include "window/MemoText.h"
#include "window/SettingsFile.h"

namespace zf61::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TForm1";
constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr int kStatusHeight = 18;
constexpr int kScrollLine = 26;  // one row of the panel
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

HWND Win32Form::makeControl(int id, const wchar_t* windowClass, const char* caption, DWORD style,
                            HWND parent) {
  // Windows of this program's own classes learn their form at creation.
  bool own = windowClass == kPanelClass || windowClass == kPaintBoxClass;
  HWND made = CreateWindowExW(0, windowClass, Utf8ToWide(caption ? caption : "").c_str(),
                              WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                              own ? this : nullptr);
  controls_[id - kIdPanelFirst] = made;
  return made;
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
  for (const PanelItem& item : kPanelItems) createPanelControl(item, control(kIdPanel2));
}

// Each kind of control as a Win32 control of its class and styles; every one that takes the
// keyboard starts a group of its own for the dialog keys, but the radio buttons, which are one.
void Win32Form::createPanelControl(const PanelItem& item, HWND panel) {
  int id = kIdPanelFirst + static_cast<int>(item.control);
  const DWORD tab = WS_TABSTOP | WS_GROUP;
  switch (item.kind) {
    case PanelKind::Radios:
      makeControl(id, L"BUTTON", item.caption, BS_GROUPBOX, panel);
      for (int i = 0; i < static_cast<int>(item.items.size()); ++i) {
        makeControl(kIdRadioFirst + i, L"BUTTON", item.items[i],
                    BS_AUTORADIOBUTTON | (i == 0 ? tab : 0), panel);
      }
      SendMessageW(radio(item.initialItem), BM_SETCHECK, BST_CHECKED, 0);
      return;
    case PanelKind::Button:
      makeControl(id, L"BUTTON", item.caption, BS_PUSHBUTTON | tab, panel);
      return;
    case PanelKind::Swatch:
      makeControl(id, L"STATIC", "", SS_SUNKEN, panel);
      return;
    case PanelKind::Caption:
      makeControl(id, L"STATIC", item.caption, SS_LEFT | SS_CENTERIMAGE, panel);
      return;
    case PanelKind::Edit:
      makeControl(id, L"EDIT", item.caption, ES_AUTOHSCROLL | WS_BORDER | tab, panel);
      return;
    case PanelKind::PathLabel:
      makeControl(id, L"STATIC", "", SS_LEFT | SS_NOPREFIX, panel);
      return;
    case PanelKind::DropDown: {
      HWND combo = makeControl(id, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | tab, panel);
      for (const char* line : item.items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(line).c_str()));
      }
      SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item.initialItem), 0);
      return;
    }
    case PanelKind::CheckBox:
      makeControl(id, L"BUTTON", item.caption, BS_AUTOCHECKBOX | tab, panel);
      return;
    case PanelKind::Notes: {
      HWND memo = makeControl(id, L"EDIT", "",
                              ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                                  WS_HSCROLL | WS_VSCROLL | WS_BORDER | tab,
                              panel);
      SetWindowTextW(memo, MemoText().c_str());
      return;
    }
  }
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
  PanelGeometry g = LayOutPanel(client.right, client.bottom);
  SCROLLINFO bar = {sizeof(SCROLLINFO),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    g.contentHeight - 1,
                    static_cast<UINT>(client.bottom),
                    0,
                    0};
  panelScroll_ = std::clamp(panelScroll_, 0, std::max(0, g.contentHeight - int(client.bottom)));
  bar.nPos = panelScroll_;
  SetScrollInfo(panel, SB_VERT, &bar, TRUE);
  auto place = [&](HWND child, const PanelPlace& at) {
    MoveWindow(child, at.x, at.y - panelScroll_, at.width, at.height, TRUE);
  };
  for (const PanelItem& item : kPanelItems) {
    place(control(item.control), g.places[static_cast<int>(item.control)]);
  }
  for (size_t i = 0; i < g.radios.size(); ++i) place(radio(static_cast<int>(i)), g.radios[i]);
}

void Win32Form::scrollPanel(int request, int thumb) {
  HWND panel = control(kIdPanel2);
  SCROLLINFO bar = {sizeof(SCROLLINFO), SIF_ALL};
  GetScrollInfo(panel, SB_VERT, &bar);
  int step = kScrollLine, page = static_cast<int>(bar.nPage);
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
