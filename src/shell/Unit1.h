// TForm1: the main window. Its side panel sets the fill colour, opacity, arc division count,
// colour depth and picture file; the drawing area shows the drawing and is navigated with the
// wheel, the keys and mouse gestures; OK hands the picture back to Jw_cad.
#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>

#include "exchange/ExchangeWriter.h"
#include "fill/RegionTracer.h"
#include "model/DrawingStore.h"
#include "model/UnitGraAtt.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "shell/Dialogs.h"
#include "shell/SettingsFile.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zf61 {

class PaintBox;

inline constexpr int kPanelWidth = 178;

// Mouse buttons of a gesture.
enum MouseBits { kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 4 };

class TForm1 final : public QWidget {
 public:
  // `programFolder`: where JWC_TEMP.TXT, the settings file and the temporary picture live;
  // `programFile`: the executable, whose name with ".dat" is the settings file.
  // Every file the window writes goes through `files` (tests make it fail).
  TForm1(std::filesystem::path programFile, std::unique_ptr<Dialogs> dialogs,
         std::unique_ptr<EscKey> esc, FileOps& files = SystemFileOps());
  ~TForm1() override;

  // Event handlers, public so that the paint box and tests can drive them.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void RadioGroup1Click(int item);
  void PaintBox1Paint();
  void PaintBox1MouseDown(QPoint position, Qt::MouseButtons buttons);
  void PaintBox1MouseMove(QPoint position);
  void PaintBox1MouseUp(QPoint position);
  void PaintBox1Resized(QSize size);
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);  // true: consumed
  void FormMouseWheel(QPoint paintBoxPosition, bool down);
  void RedrawView();

  // State tests look at.
  const ViewWindow& view() const { return navigator_->view(); }
  const DrawingStore& store() const { return store_; }
  const QtCanvas& canvas() const { return *canvas_; }
  bool hasBackBuffer() const { return backBuffer_.has_value(); }
  QLineEdit* edit1() const { return edit1_; }
  QLineEdit* edit2() const { return edit2_; }
  QLineEdit* edit3() const { return edit3_; }
  QLabel* label2() const { return label2_; }
  QLabel* labelA1() const { return labelA1_; }
  QComboBox* comboBox1() const { return comboBox1_; }
  QPushButton* button3() const { return button3_; }
  QWidget* paintBox() const;
  Colour fillColour() const { return fillColour_; }
  const TgraAttribute& attributes() const { return att_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildSidePanel();
  void FormShow();
  void FormClose();
  void WindowSetUp();
  void ApplySettings(const Settings& settings);
  Settings CurrentSettings() const;
  void SetFillColour(Colour colour);
  void DrawRubberBand();
  void MiddleDragRelease(PointD p, PointD q);
  void TwoButtonRelease(QPoint release, PointD p, PointD q);
  void Pan(int key, bool shift);
  void Present();

  std::filesystem::path programFile_;
  std::filesystem::path programFolder_;
  std::filesystem::path tempPicturePath_;
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<EscKey> esc_;
  FileOps& files_;

  DrawingStore store_;
  TgraAttribute att_;
  QtPictureSource pictures_;
  std::unique_ptr<ViewNavigator> navigator_;
  std::unique_ptr<EntityRenderer> renderer_;
  std::unique_ptr<RegionTracer> tracer_;
  std::unique_ptr<QtCanvas> canvas_;
  std::optional<QImage> backBuffer_;
  std::optional<QImage> dragImage_;
  PicturePlacement placement_;
  Colour fillColour_ = kWhite;

  bool ready_ = false;
  bool shown_ = false;
  bool closed_ = false;
  int mouseState_ = 0;
  QPoint pressPoint_;
  QRect band_;
  bool bandOnScreen_ = false;
  int wheelRemainder_ = 0;

  PaintBox* paintBox_ = nullptr;
  QButtonGroup* radioGroup1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QLabel* label2_ = nullptr;
  QComboBox* comboBox1_ = nullptr;
  QPushButton* button3_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  QLabel* labelA1_ = nullptr;
};

}  // namespace zf61
