// The Qt front-end wired to the window's behaviour: controls, keys, wheel, buttons and close.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "platform/QtPictureSource.h"
#include "platform/QtTextCodec.h"
#include "rooms/CgalRoomFinder.h"
#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/Translations.h"
#include "solids/CgalAreaSplitter.h"
#include "support/TempDir.h"
#include "window/KeyCodes.h"
#include "window/SettingsFile.h"

namespace zf61 {
namespace {

// Lets the event loop take what is queued, as the program's own loop does between the user's
// actions: after a run, clicks and keys count again once the loop has taken what came during
// the run (and dropped it).
void Settle() {
  QTest::qWait(20);
}

const std::string kSquare = "hq\r\n0 0 100 0\r\n100 0 100 100\r\n100 100 0 100\r\n0 100 0 0\r\n";

struct Window {
  test::TempDir dir;
  NoEscKey esc;
  QtPictureSource pictures;
  QtTextCodec codec;
  SteadyClock clock;
  CgalRoomFinder rooms;
  CgalAreaSplitter splitter;
  std::unique_ptr<MainWindow> window;

  explicit Window(const std::string& exchange = kSquare,
                  const std::string& settings =
                      "0\r\n0\r\n600\r\n450\r\n255\r\n\x90\x7d.bmp\r\n128\r\n0\r\n24\r\n3\r\n") {
    test::WriteBytes(dir / "JWC_TEMP.TXT", exchange);
    test::WriteBytes(dir / "zf61.dat", settings);
    window = std::make_unique<MainWindow>(
        dir / "zf61", FormServices{esc, pictures, codec, SystemFileOps(), StandardDepthConverter(),
                                   clock, &rooms, &splitter});
    window->show();
    // Accelerators (Alt plus a letter) act only in the active window.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::processEvents();
  }
};

TEST(MainWindow, ControlsShowTheSettingsAndTheDrawing) {
  Window w;
  EXPECT_EQ(w.window->windowTitle(), QString::fromUtf8("塗り"));
  EXPECT_EQ(w.window->button(ButtonControl::Button3)->text(), QString::fromUtf8("作図実行(&G)"));
  EXPECT_EQ(w.window->edit(TextControl::Edit1)->text(), QString::fromUtf8("図.bmp"));
  EXPECT_EQ(w.window->comboBox1()->currentText(), QString::fromUtf8("24bit色"));
  EXPECT_EQ(w.window->comboBox2()->currentText(), QString::fromUtf8("閉図形"));
  EXPECT_EQ(w.window->comboBox2()->count(), 2);
  EXPECT_EQ(w.window->comboBox3()->currentText(), QString::fromUtf8("1"));
  EXPECT_EQ(w.window->comboBox3()->count(), 8);
  EXPECT_EQ(w.window->button(ButtonControl::Button6)->text(), QString::fromUtf8("確認(&P)"));
  EXPECT_EQ(w.window->edit(TextControl::Edit4)->text(), QString::fromUtf8("0"));
  EXPECT_EQ(w.window->frameGeometry().width(), 600);  // the outer width, as kept
  EXPECT_TRUE(w.window->form().hasBackBuffer());
  EXPECT_EQ(w.window->canvas().width(), w.window->paintBox()->width());
  EXPECT_EQ(w.window->canvas().image().pixel(0, 0), qRgb(0, 255, 255));
}

TEST(MainWindow, KeysAndTheWheelReachTheFormBeforeAnyControl) {
  Window w;
  QLineEdit* edit1 = w.window->edit(TextControl::Edit1);
  edit1->setFocus();
  double left = w.window->form().view().Left;
  QTest::keyClick(edit1, Qt::Key_Left);
  EXPECT_LT(w.window->form().view().Left, left);
  EXPECT_EQ(edit1->text(), QString::fromUtf8("図.bmp"));
  double scale = w.window->form().view().Scale;
  QWidget* box = w.window->paintBox();
  QPoint at(50, 40);
  QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &wheel);
  EXPECT_DOUBLE_EQ(w.window->form().view().Scale, scale * 1.5);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Insert), kVkInsert);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_A), 0);
}

TEST(MainWindow, GenerateByItsAcceleratorThenOkClosesAndHandsBack) {
  Window w;
  std::string target = (w.dir / "fill.bmp").string();
  w.window->edit(TextControl::Edit1)->setText(QString::fromStdString(target));
  QTest::keyClick(w.window.get(), Qt::Key_G, Qt::AltModifier);
  // An accelerator clicks its button as the mouse would, a moment later.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->label2()->text().isEmpty(); }));
  EXPECT_EQ(w.window->label2()->text().toStdString(), target);
  EXPECT_TRUE(w.window->button(ButtonControl::Button3)->isEnabled());
  Settle();
  QTest::mouseClick(w.window->button(ButtonControl::Button1), Qt::LeftButton);
  EXPECT_FALSE(w.window->isVisible());
  EXPECT_NE(test::ReadBytes(w.dir / "JWC_TEMP.TXT").find("^@BM" + target), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(w.dir / "fill.bmp"));
}

// Accelerators take Alt and Enter clicks no button, as in the Windows program.
TEST(MainWindow, EnterAndAcceleratorLettersAsInTheWindowsProgram) {
  Window w;
  w.window->edit(TextControl::Edit1)->setText(QString::fromStdString((w.dir / "p.bmp").string()));
  w.window->button(ButtonControl::Button4)->setFocus();
  QTest::keyClick(w.window->button(ButtonControl::Button4), Qt::Key_G);
  Settle();
  EXPECT_TRUE(w.window->label2()->text().isEmpty());
  w.window->button(ButtonControl::Button3)->setFocus();
  QTest::keyClick(w.window->button(ButtonControl::Button3), Qt::Key_Return);
  Settle();
  EXPECT_TRUE(w.window->label2()->text().isEmpty());
  QTest::keyClick(w.window.get(), Qt::Key_G, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->label2()->text().isEmpty(); }));
}

TEST(MainWindow, InputThatArrivedDuringARunIsDropped) {
  Window w;
  w.window->edit(TextControl::Edit1)->setText(QString::fromStdString((w.dir / "p.bmp").string()));
  QPushButton* button3 = w.window->button(ButtonControl::Button3);
  QPoint centre = button3->rect().center();
  auto click = [&] {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          button3, new QMouseEvent(type, centre, button3->mapToGlobal(centre), Qt::LeftButton,
                                   Qt::LeftButton, Qt::NoModifier));
    }
  };
  click();
  w.window->discardPendingInput();                    // as at the end of a run
  Settle();                                           // the loop takes what was queued, then waits
  EXPECT_TRUE(w.window->label2()->text().isEmpty());  // the queued click made no second run
  click();
  Settle();
  EXPECT_FALSE(w.window->label2()->text().isEmpty());  // the same click, not dropped, does
}

// A close queued during a run runs after the run, not in the middle of its end: the message
// that ends a run refused as too large shows while the window is still open.
TEST(MainWindow, ACloseDuringARunWaitsForItsEnd) {
  Window w;
  w.window->edit(TextControl::Edit1)->setText(QString::fromStdString((w.dir / "p.bmp").string()));
  w.window->comboBox3()->setCurrentIndex(7);
  w.window->form().PaintBox1Resized(3000, 3000);  // 64 times 9 million pixels: refused
  bool closedWhenTold = true, told = false;
  struct MessageWatch : QObject {
    std::function<void()> onShow;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched)) {
        onShow();
        QTimer::singleShot(0, static_cast<QMessageBox*>(watched), &QMessageBox::accept);
      }
      return false;
    }
  } watch;
  watch.onShow = [&] {
    told = true;
    closedWhenTold = w.window->form().closed();
  };
  qApp->installEventFilter(&watch);
  QCoreApplication::postEvent(w.window.get(), new QCloseEvent());  // queued during the run
  w.window->form().Button3Click();
  qApp->removeEventFilter(&watch);
  EXPECT_TRUE(told);
  EXPECT_FALSE(closedWhenTold);
}

TEST(MainWindow, ThePictureDialogAddsNoSuffix) {
  std::unique_ptr<QFileDialog> dialog =
      MakePictureFileDialog(nullptr, QString::fromStdString("/no/such/folder/"), "p.bmp");
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
  EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->nameFilters().value(0), QString::fromUtf8("ビットマップ (*.bmp)"));
}

TEST(MainWindow, AtTheSmallestSizeThePanelScrollsAndKeepsEveryControl) {
  Window w;
  w.window->resize(kMinWindowWidth, kMinWindowHeight);
  QApplication::processEvents();
  auto* scroll = w.window->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
  for (QRadioButton* radio : w.window->findChildren<QRadioButton*>()) {
    EXPECT_TRUE(radio->isVisibleTo(w.window.get()));
    EXPECT_GE(radio->height(), radio->sizeHint().height());
  }
  // The buttons at the bottom of the panel can be scrolled into view.
  QPushButton* ok = w.window->button(ButtonControl::Button1);
  scroll->ensureWidgetVisible(ok);
  QApplication::processEvents();
  QPoint inViewport = ok->mapTo(scroll->viewport(), QPoint(0, 0));
  EXPECT_GE(inViewport.y(), 0);
  EXPECT_LE(inViewport.y() + ok->height(), scroll->viewport()->height());
}

// Rooms picked with the mouse on the house plan: left click picks, a second click un-picks,
// right click skips, Delete clears; a new gap typed in clears the picks; the picture paints
// the picked rooms only.
TEST(MainWindow, RoomsArePickedAndSkippedWithTheMouse) {
  Window w(test::ReadBytes(std::filesystem::path(ZF61_PROJECT_SAMPLES_DIR) / "house_plan" /
                           "JWC_TEMP.TXT"),
           // red fill, opaque, 部屋 (line 11)
           "0\r\n0\r\n800\r\n500\r\n255\r\nfill.bmp\r\n255\r\n0\r\n24\r\n4\r\n1\r\n0\r\n1\r\n");
  QWidget* box = w.window->paintBox();
  const TForm1& form = w.window->form();
  auto at = [&](double x, double y) {
    PixelPoint p = form.view().DrawingToWindow(x, y);
    return QPoint(p.x, p.y);
  };
  auto status = [&] { return w.window->labelA1()->text().toStdString(); };
  QTest::mouseClick(box, Qt::LeftButton, {}, at(25, 15));
  Settle();
  EXPECT_EQ(status(), "部屋 13.29 ㎡（8.20 帖）　選択 1 室・1 色");
  QTest::mouseClick(box, Qt::RightButton, {}, at(70, 20));
  Settle();
  EXPECT_EQ(status(), "部屋 17.43 ㎡（10.76 帖）　選択 1 室・1 色　除外 1 室");
  QTest::mouseMove(box, at(130, 10));  // the pointer over the 1:20 detail tells its area
  EXPECT_EQ(status(), "部屋 1.00 ㎡（0.61 帖）　選択 1 室・1 色　除外 1 室");
  QTest::mouseClick(box, Qt::LeftButton, {}, at(10, 70));
  Settle();
  w.window->edit(TextControl::Edit1)->setText(QString::fromStdString((w.dir / "p.bmp").string()));
  QTest::mouseClick(w.window->button(ButtonControl::Button3), Qt::LeftButton);
  Settle();
  const QImage& picture = w.window->canvas().image();
  EXPECT_EQ(picture.pixel(at(25, 15)), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(at(10, 70)), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(at(70, 70)), qRgb(255, 255, 255));  // not picked
  QTest::mouseClick(box, Qt::LeftButton, {}, at(10, 70));     // un-picked
  Settle();
  EXPECT_EQ(form.roomSelection()->picks().pickedCount(), 1u);
  w.window->focusNotes();
  QTest::keyClick(w.window.get(), Qt::Key_Delete);
  Settle();
  EXPECT_TRUE(form.roomSelection()->picks().empty());
  QTest::mouseClick(box, Qt::LeftButton, {}, at(25, 15));
  Settle();
  w.window->edit(TextControl::Edit4)->setText("0.1");  // rooms found again, picks cleared
  EXPECT_EQ(form.roomSelection(), nullptr);
  EXPECT_EQ(status(), "塗り方・隙間・円弧分割数が変わったので、部屋の選択を解除しました。");
}

// 貼付け and 面積を記入 chosen on the panel: the fill goes back as solids with the area.
TEST(MainWindow, SolidsGoBackWithTheirAreas) {
  Window w("hq\r\nbz\r\n" + kSquare.substr(4));
  w.window->comboBox(ChoiceControl::ComboBox4)->setCurrentIndex(1);
  w.window->checkBox1()->setChecked(true);
  w.window->edit(TextControl::Edit1)->clear();  // no picture name is needed
  QTest::mouseClick(w.window->button(ButtonControl::Button3), Qt::LeftButton);
  Settle();
  EXPECT_EQ(w.window->labelA1()->text().toStdString(),
            "1 個の領域を塗りました。ＯＫでソリッドとして貼り付けます。");
  QTest::mouseClick(w.window->button(ButtonControl::Button1), Qt::LeftButton);
  EXPECT_FALSE(w.window->isVisible());
  std::string file = test::ReadBytes(w.dir / "JWC_TEMP.TXT");
  EXPECT_EQ(file.rfind("bz\r\nlc10 8355839\r\nsl ", 0), 0u) << file;      // red at 128
  EXPECT_NE(file.find("\"0.01\x87\x75\r\n"), std::string::npos) << file;  // 100 mm square
  std::string settings = test::ReadBytes(w.dir / "zf61.dat");
  EXPECT_EQ(settings.substr(settings.size() - 6), "1\r\n1\r\n");  // both kept for the next run
}

// The place kept is the outer, normal rectangle: a window closed maximised comes back where
// it was before, not over the whole screen.
TEST(MainWindow, AMaximisedWindowKeepsItsNormalPlace) {
  Window w;
  WindowGeometry normal = w.window->windowPlace();
  EXPECT_EQ(normal.width, 600);
  EXPECT_EQ(normal.height, 450);
  w.window->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->isMaximized(); }));
  WindowGeometry kept = w.window->windowPlace();
  EXPECT_EQ(kept.left, normal.left);
  EXPECT_EQ(kept.top, normal.top);
  EXPECT_EQ(kept.width, normal.width);
  EXPECT_EQ(kept.height, normal.height);
}

TEST(MainWindow, StandardDialogsSpeakJapanese) {
  ASSERT_TRUE(InstallJapaneseTranslations(*QCoreApplication::instance()))
      << "Qt's Japanese translations are missing: install qt6-translations-l10n";
  QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8("はい(&Y)"));
  EXPECT_EQ(QColorDialog().windowTitle(), QString::fromUtf8("色を選択"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"),
            QString::fromUtf8("名前を付けて保存"));
}

}  // namespace
}  // namespace zf61
