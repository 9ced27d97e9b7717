// The Win32 front-end wired to the window's behaviour, on a program folder with a Japanese
// name: the controls, the first paint, keys before any control, the Alt accelerators, and
// the run to OK and to Cancel.
#include <gtest/gtest.h>

#include <cstring>

#include "files/FileOps.h"
#include "platform/GdiDepthConverter.h"
#include "platform/WideText.h"
#include "platform/Win32PictureSource.h"
#include "platform/Win32TextCodec.h"
#include "rooms/CgalRoomFinder.h"
#include "shell/MessageLoop.h"
#include "shell/Win32Form.h"
#include "shell/WindowPlace.h"
#include "solids/CgalAreaSplitter.h"
#include "support/TempDir.h"

namespace zf61::win32 {
namespace {

const std::string kSquare = "hq\r\n0 0 100 0\r\n100 0 100 100\r\n100 100 0 100\r\n0 100 0 0\r\n";

std::string TextOf(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return WideToUtf8(text);
}

struct Window {
  test::TempDir dir;
  std::filesystem::path folder = dir.path() / Utf8ToWide("図面");
  NoEscKey esc;
  Win32PictureSource pictures;
  Win32TextCodec codec;
  GdiDepthConverter depths;
  SteadyClock clock;
  CgalRoomFinder rooms;
  CgalAreaSplitter splitter;
  std::unique_ptr<Win32Form> window;

  // Edit1 holds 図.bmp in Shift-JIS.
  explicit Window(bool withSettings = true, const std::string& exchange = kSquare,
                  const std::string& settings =
                      "30\r\n40\r\n640\r\n480\r\n255\r\n\x90\x7d.bmp\r\n128\r\n0\r\n24\r\n3\r\n") {
    std::filesystem::create_directories(folder);
    test::WriteBytes(folder / "JWC_TEMP.TXT", exchange);
    if (withSettings) test::WriteBytes(folder / "zf61.dat", settings);
    window = std::make_unique<Win32Form>(
        folder / "zf61.exe",
        FormServices{esc, pictures, codec, SystemFileOps(), depths, clock, &rooms, &splitter},
        GetModuleHandleW(nullptr));
    window->show(SW_SHOWNOACTIVATE);
    pump();
  }
  ~Window() {
    if (window->alive()) window->closeWindow();
  }
  void pump() { PumpMessages(*window); }
  HWND control(ControlId id) const { return window->control(id); }
  HWND control(PanelControl c) const { return window->control(c); }
  std::string exchangeFile() const { return test::ReadBytes(folder / "JWC_TEMP.TXT"); }
  // Alt plus a letter, as the keyboard sends it.
  void accelerator(wchar_t letter) {
    constexpr LPARAM kAltDown = LPARAM{1} << 29;
    PostMessageW(control(PanelControl::Edit2), WM_SYSCHAR, letter, kAltDown | 1);
    pump();
  }
};

TEST(Win32Form, ControlsShowTheSettingsAndTheDrawing) {
  Window w;
  EXPECT_EQ(TextOf(w.window->handle()), "塗り");
  EXPECT_EQ(TextOf(w.control(PanelControl::Button3)), "作図実行(&G)");
  EXPECT_EQ(TextOf(w.control(PanelControl::Button2)), "キャンセル(&N)");
  EXPECT_EQ(TextOf(w.control(PanelControl::Edit1)), "図.bmp");
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox1), CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(TextOf(w.control(PanelControl::Button6)), "確認(&P)");
  EXPECT_EQ(TextOf(w.control(PanelControl::Label6)), "塗り方");
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox2), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox2), CB_GETCURSEL, 0, 0),
            0);  // closed figures
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox3), CB_GETCOUNT, 0, 0), 8);
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox3), CB_GETCURSEL, 0, 0), 0);  // factor 1
  EXPECT_EQ(TextOf(w.control(PanelControl::Edit4)), "0");
  RECT r;
  GetWindowRect(w.window->handle(), &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_TRUE(w.window->form().hasBackBuffer());
  RasterImage shown = w.window->canvas().readPixels();
  RECT box;
  GetClientRect(w.control(kIdPaintBox1), &box);
  EXPECT_EQ(shown.width, box.right);
  EXPECT_EQ(shown.at(0, 0), 0xFF00FFFFu);  // the aqua frame
  int drawn = 0;
  for (uint32_t p : shown.pixels) drawn += p != 0xFFFFFFFFu && p != 0xFF00FFFFu;
  EXPECT_GT(drawn, 300);  // the square's four sides
}

TEST(Win32Form, KeysReachTheFormBeforeAnyControl) {
  Window w;
  double left = w.window->form().view().Left;
  SetFocus(w.control(PanelControl::Edit1));
  PostMessageW(w.control(PanelControl::Edit1), WM_KEYDOWN, VK_LEFT, 1);
  w.pump();
  EXPECT_LT(w.window->form().view().Left, left);
  EXPECT_EQ(TextOf(w.control(PanelControl::Edit1)), "図.bmp");
  PostMessageW(w.control(PanelControl::Edit1), WM_KEYDOWN, 'A', 1);  // not the form's: left alone
  w.pump();
  EXPECT_LT(w.window->form().view().Left, left);
}

TEST(Win32Form, GenerateThenOkHandsThePictureBack) {
  Window w;
  std::string target = WideToUtf8((w.folder / L"fill.bmp").wstring());
  SetWindowTextW(w.control(PanelControl::Edit1), Utf8ToWide(target).c_str());
  SendMessageW(w.control(PanelControl::ComboBox2), CB_SETCURSEL, 1, 0);  // rooms
  SendMessageW(w.control(PanelControl::ComboBox3), CB_SETCURSEL, 1, 0);  // twice as fine
  w.accelerator(L'p');
  EXPECT_EQ(TextOf(w.control(kIdLabelA1)), "領域 1 個、開いた端（赤い×印） 0 個");
  w.accelerator(L'g');
  EXPECT_EQ(TextOf(w.control(PanelControl::Label2)), target);
  EXPECT_EQ(TextOf(w.control(kIdLabelA1)), "1 個の領域を塗りました。");
  std::string bmp = test::ReadBytes(w.folder / "zf61_temp.BMP");
  RECT area{};
  GetClientRect(w.control(kIdPaintBox1), &area);
  ASSERT_GE(bmp.size(), 26u);
  uint32_t bmpWidth = 0;
  std::memcpy(&bmpWidth, bmp.data() + 18, 4);
  EXPECT_EQ(bmpWidth, static_cast<uint32_t>(2 * area.right));
  EXPECT_TRUE(IsWindowEnabled(w.control(PanelControl::Button3)));
  w.accelerator(L'y');
  EXPECT_FALSE(w.window->alive());
  std::string record = "^@BM" + WideToCp932(Utf8ToWide(target));
  EXPECT_NE(w.exchangeFile().find(record), std::string::npos) << w.exchangeFile();
  EXPECT_TRUE(std::filesystem::exists(w.folder / "fill.bmp"));
  EXPECT_FALSE(std::filesystem::exists(w.folder / "zf61_temp.BMP"));
  std::string settings = test::ReadBytes(w.folder / "zf61.dat");
  EXPECT_EQ(settings.substr(0, 8), "30\r\n40\r\n");
}

TEST(Win32Form, AtTheSmallestSizeThePanelScrollsToEveryControl) {
  Window w;
  SetWindowPos(w.window->handle(), nullptr, 0, 0, 475, 200, SWP_NOZORDER | SWP_NOMOVE);
  w.pump();
  HWND panel = w.control(kIdPanel2);
  SCROLLINFO bar = {};
  bar.cbSize = sizeof(SCROLLINFO);
  bar.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(panel, SB_VERT, &bar));
  EXPECT_GT(bar.nMax + 1, static_cast<int>(bar.nPage));
  auto topOf = [&](PanelControl id) {
    RECT r;
    GetWindowRect(w.control(id), &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  RECT panelClient;
  GetClientRect(panel, &panelClient);
  EXPECT_GT(topOf(PanelControl::Button1).bottom, panelClient.bottom);  // below the fold at first
  for (int i = 0; i < 20; ++i) SendMessageW(panel, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_LE(topOf(PanelControl::Button1).bottom, panelClient.bottom);
  EXPECT_GE(topOf(PanelControl::Button1).top, 0);
}

TEST(Win32Form, InputThatArrivedDuringARunIsDropped) {
  Window w;
  SetWindowTextW(w.control(PanelControl::Edit1), (w.folder / L"p.bmp").wstring().c_str());
  HWND button3 = w.control(PanelControl::Button3);
  PostMessageW(button3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(button3, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageW(w.control(PanelControl::Edit2), WM_SYSCHAR, L'g', LPARAM{1} << 29 | 1);
  w.window->discardPendingInput();  // as at the end of a run
  w.pump();
  EXPECT_EQ(TextOf(w.control(PanelControl::Label2)), "");  // neither the click nor Alt+G made a run
  PostMessageW(button3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(button3, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  w.pump();
  EXPECT_NE(TextOf(w.control(PanelControl::Label2)), "");  // the same click, not dropped, does
}

// Rooms picked with the mouse on the house plan, as on Linux: left click picks, right click
// skips, the pointer tells areas, Delete clears, a new gap clears the picks, and the picture
// paints the picked rooms only.
TEST(Win32Form, RoomsArePickedAndSkippedWithTheMouse) {
  Window w(true,
           test::ReadBytes(std::filesystem::path(ZF61_PROJECT_SAMPLES_DIR) / "house_plan" /
                           "JWC_TEMP.TXT"),
           // red fill, opaque, 部屋 (line 11)
           "30\r\n40\r\n800\r\n500\r\n255\r\nfill.bmp\r\n255\r\n0\r\n24\r\n4\r\n1\r\n0\r\n1\r\n");
  HWND box = w.control(kIdPaintBox1);
  const TForm1& form = w.window->form();
  auto mouse = [&](UINT down, UINT up, WPARAM held, double x, double y) {
    PixelPoint p = form.view().DrawingToWindow(x, y);
    PostMessageW(box, down, held, MAKELPARAM(p.x, p.y));
    if (up) PostMessageW(box, up, 0, MAKELPARAM(p.x, p.y));
    w.pump();
  };
  auto status = [&] { return TextOf(w.control(kIdLabelA1)); };
  mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 25, 15);
  EXPECT_EQ(status(), "部屋 13.29 ㎡（8.20 帖）　選択 1 室・1 色");
  mouse(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 70, 20);
  EXPECT_EQ(status(), "部屋 17.43 ㎡（10.76 帖）　選択 1 室・1 色　除外 1 室");
  mouse(WM_MOUSEMOVE, 0, 0, 130, 10);  // over the 1:20 detail
  EXPECT_EQ(status(), "部屋 1.00 ㎡（0.61 帖）　選択 1 室・1 色　除外 1 室");
  mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 10, 70);
  SetWindowTextW(w.control(PanelControl::Edit1), (w.folder / L"p.bmp").wstring().c_str());
  w.accelerator(L'g');
  RasterImage picture = w.window->canvas().readPixels();
  auto pixel = [&](double x, double y) {
    PixelPoint p = form.view().DrawingToWindow(x, y);
    return picture.at(p.x, p.y);
  };
  EXPECT_EQ(pixel(25, 15), 0xFFFF0000u);
  EXPECT_EQ(pixel(10, 70), 0xFFFF0000u);
  EXPECT_EQ(pixel(70, 70), 0xFFFFFFFFu);                    // not picked
  mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 10, 70);  // un-picked
  EXPECT_EQ(form.roomSelection()->picks().pickedCount(), 1u);
  SetFocus(w.control(PanelControl::Memo1));
  PostMessageW(w.control(PanelControl::Memo1), WM_KEYDOWN, VK_DELETE, 1);
  w.pump();
  EXPECT_TRUE(form.roomSelection()->picks().empty());
  mouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 25, 15);
  SetWindowTextW(w.control(PanelControl::Edit4), L"0.1");  // rooms found again, picks cleared
  w.pump();
  EXPECT_EQ(form.roomSelection(), nullptr);
  EXPECT_EQ(status(), "塗り方・隙間・円弧分割数が変わったので、部屋の選択を解除しました。");
}

// 貼付け set to ソリッド with 面積を記入: Alt+G shows the fill without a picture name, Alt+Y
// writes the square as solids after "bz" with its area at real size.
TEST(Win32Form, SolidsGoBackWithTheirAreas) {
  Window w(true,
           "hq\r\nbz\r\nhs 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100\r\n" +
               kSquare.substr(4),
           "30\r\n40\r\n640\r\n480\r\n255\r\n\r\n128\r\n0\r\n24\r\n4\r\n0\r\n0\r\n1\r\n1\r\n1\r\n");
  EXPECT_EQ(SendMessageW(w.control(PanelControl::ComboBox4), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(w.control(PanelControl::CheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  w.accelerator(L'g');
  EXPECT_EQ(TextOf(w.control(kIdLabelA1)),
            "1 個の領域を塗りました。ＯＫでソリッドとして貼り付けます。");
  w.accelerator(L'y');
  EXPECT_FALSE(w.window->alive());
  std::string file = w.exchangeFile();
  EXPECT_EQ(file.rfind("bz\r\nlc10 8355839\r\nsl ", 0), 0u) << file;        // red at 128 over white
  EXPECT_NE(file.find("\"100.00\x87\x75\r\n"), std::string::npos) << file;  // 100 mm at 1:100
}

// The place kept is the outer, normal rectangle in screen coordinates: a window closed
// maximised with the taskbar at the top or left comes back where it was, not shifted by the
// taskbar. (Windows gives the normal rectangle from the work area's corner; Wine from the
// screen's, so the conversion is tried with the values Windows gives.)
TEST(Win32Form, AMaximisedWindowKeepsItsNormalPlaceOnTheScreen) {
  WINDOWPLACEMENT placement = {sizeof(WINDOWPLACEMENT)};
  placement.rcNormalPosition = {30, 0, 670, 480};  // from the work area's corner
  MONITORINFO monitor = {sizeof(MONITORINFO), {0, 0, 1920, 1080}, {60, 40, 1920, 1080}};
  RECT onScreen = NormalRectOnScreen(placement, monitor, false);
  EXPECT_EQ(onScreen.left, 90);
  EXPECT_EQ(onScreen.top, 40);
  EXPECT_EQ(onScreen.right - onScreen.left, 640);
  EXPECT_EQ(NormalRectOnScreen(placement, monitor, true).left, 30);  // tool windows: the screen
  Window w;  // and a real window, maximised, keeps its place
  ShowWindow(w.window->handle(), SW_MAXIMIZE);
  w.pump();
  ASSERT_TRUE(IsZoomed(w.window->handle()));
  WindowGeometry kept = w.window->windowPlace();
  EXPECT_EQ(kept.left, 30);
  EXPECT_EQ(kept.top, 40);
  EXPECT_EQ(kept.width, 640);
  EXPECT_EQ(kept.height, 480);
}

// Accelerators take Alt and Enter clicks no button, as in the Qt window; messages carry the
// information icon.
TEST(Win32Form, EnterAndAcceleratorLettersAsInTheQtWindow) {
  Window w;
  SetWindowTextW(w.control(PanelControl::Edit1), (w.folder / L"p.bmp").wstring().c_str());
  SetFocus(w.control(PanelControl::Button4));
  PostMessageW(w.control(PanelControl::Button4), WM_CHAR, L'g', 1);
  w.pump();
  EXPECT_EQ(TextOf(w.control(PanelControl::Label2)), "");  // no picture: G alone is nothing
  SetFocus(w.control(PanelControl::Button3));
  PostMessageW(w.control(PanelControl::Button3), WM_KEYDOWN, VK_RETURN, 1);
  w.pump();
  EXPECT_EQ(TextOf(w.control(PanelControl::Label2)), "");  // Enter is not a click
  w.accelerator(L'g');
  EXPECT_NE(TextOf(w.control(PanelControl::Label2)), "");  // Alt+G is
  static bool iconShown = false;
  HHOOK hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_ACTIVATE) {
          HWND box = reinterpret_cast<HWND>(wParam);
          EnumChildWindows(
              box,
              [](HWND child, LPARAM) -> BOOL {
                iconShown |= SendMessageW(child, STM_GETICON, 0, 0) != 0;
                return TRUE;
              },
              0);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  w.window->showMessage("x");
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(iconShown);
}

TEST(Win32Form, CancelLeavesTheDrawingUnchanged) {
  Window w(false);
  // The window of the default size draws on a canvas of its drawing area too.
  RECT box;
  GetClientRect(w.control(kIdPaintBox1), &box);
  EXPECT_EQ(w.window->canvas().width(), box.right);
  EXPECT_GT(box.right, 200);
  SendMessageW(w.control(PanelControl::Button2), BM_CLICK, 0, 0);
  w.pump();
  EXPECT_FALSE(w.window->alive());
  EXPECT_EQ(w.exchangeFile(), "hq\r\n");
}

}  // namespace
}  // namespace zf61::win32
