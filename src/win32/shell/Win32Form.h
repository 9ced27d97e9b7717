// The Win32 front-end of the main window TForm1: a top-level window with the drawing area, the
// side panel Panel2 with its controls and the status line. It turns window messages into calls
// of TForm1's handlers and carries out what TForm1 asks of it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>

#include "platform/GdiCanvas.h"
#include "window/FormFrontEnd.h"
#include "window/SidePanel.h"
#include "window/TForm1.h"

namespace zf61::win32 {

// Child-window identifiers. They start above IDOK and IDCANCEL, which the dialog keys send: the
// panel's controls in the order of its description, then the background's radio buttons, then
// the windows outside the panel.
enum ControlId : int {
  kIdPanelFirst = 101,
  kIdRadioFirst = kIdPanelFirst + kPanelControlCount,
  kIdLabelA1 = kIdRadioFirst + static_cast<int>(std::size(kBackgroundItems)),
  kIdPanel2,
  kIdPaintBox1,
  kIdLast
};

class Win32Form final : public FormFrontEnd {
 public:
  Win32Form(std::filesystem::path programFile, FormServices services, HINSTANCE instance);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // FormShow, then the window appears with its first paint.
  void show(int showCommand);
  // Whether the window is still there (it is destroyed when it closes).
  bool alive() const { return window_ != nullptr; }
  HWND handle() const { return window_; }
  HWND control(ControlId id) const { return controls_[id - kIdPanelFirst]; }
  HWND control(PanelControl c) const { return controls_[static_cast<int>(c)]; }
  HWND radio(int item) const { return control(static_cast<ControlId>(kIdRadioFirst + item)); }
  TForm1& form() { return *form_; }
  const GdiCanvas& canvas() const { return *canvas_; }

  // What the message loop hands the form before any control sees it: the keys of the view
  // (the form previews keys) and the wheel over any part of the window. True when used.
  bool preTranslate(const MSG& msg);

  // FormFrontEnd
  std::string text(TextControl control) const override;
  void setText(TextControl control, std::string_view utf8) override;
  int selectedItem(ChoiceControl control) const override;
  void selectItem(ChoiceControl control, int item) override;
  void setSwatchColour(Colour colour) override;
  void setButtonEnabled(ButtonControl button, bool enabled) override;
  void showMessage(std::string_view utf8) override;
  std::optional<Colour> chooseColour(Colour initial) override;
  std::optional<std::string> choosePictureFile(std::string_view folder,
                                               std::string_view name) override;
  std::unique_ptr<Canvas> createCanvas(int32_t width, int32_t height) override;
  void presentCanvas() override;
  void presentStatus() override;
  WindowGeometry windowPlace() const override;
  void placeWindow(const WindowGeometry& place) override;
  void focusNotes() override;
  std::optional<PixelPoint> pointerInDrawingArea() const override;
  bool controlTakesKeys() const override;
  void setBusy(bool busy) override;
  void discardPendingInput() override;
  void closeWindow() override;

  // The drawing area's own messages (PaintBoxWindow forwards them).
  void paintBoxPaint(HDC dc);
  void paintBoxResized(int width, int height);
  void paintBoxMouse(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT panelMessage(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int id, int code);
  HWND textWindow(TextControl c) const;
  LRESULT controlColour(HDC dc, HWND control);
  void onClose();

  void createWindow();
  void createControls();
  void createPanelControls();
  void createPanelControl(const PanelItem& item, HWND panel);
  HWND makeControl(int id, const wchar_t* windowClass, const char* caption, DWORD style,
                   HWND parent);
  void layout();
  void layoutPanel();
  void scrollPanel(int request, int thumb);
  void applyFont();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND controls_[kIdLast - kIdPanelFirst] = {};
  HFONT font_ = nullptr;
  HBRUSH panelBrush_ = nullptr;
  HBRUSH statusBrush_ = nullptr;
  HBRUSH swatchBrush_ = nullptr;
  HBRUSH whiteBrush_ = nullptr;
  int panelScroll_ = 0;  // pixels of the panel scrolled out at the top
  bool busy_ = false;
  bool inPaint_ = false;
  GdiCanvas* canvas_ = nullptr;  // the latest canvas made for TForm1, which owns it
  std::unique_ptr<TForm1> form_;
};

}  // namespace zf61::win32
