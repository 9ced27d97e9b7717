// The Qt front-end of the main window: builds the controls, turns Qt's events into calls of
// TForm1's handlers and carries out what TForm1 asks of it.
#pragma once

#include <QMargins>
#include <QWidget>

#include <filesystem>
#include <memory>

#include "platform/QtCanvas.h"
#include "window/FormFrontEnd.h"
#include "window/SidePanel.h"
#include "window/TForm1.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zf61 {

class PaintBox;

class MainWindow : public QWidget, public FormFrontEnd {
 public:
  MainWindow(std::filesystem::path programFile, FormServices services);
  ~MainWindow() override;

  TForm1& form() { return *form_; }
  // Null while the controls are still being built.
  TForm1* formIfCreated() { return form_.get(); }
  const QtCanvas& canvas() const { return *canvas_; }
  QWidget* paintBox() const;
  QWidget* control(PanelControl control) const { return controls_[static_cast<int>(control)]; }
  QPushButton* button(ButtonControl button) const;
  QLineEdit* edit(TextControl control) const;
  QComboBox* comboBox(ChoiceControl control) const;
  QCheckBox* checkBox1() const;
  QComboBox* comboBox1() const { return comboBox(ChoiceControl::ComboBox1); }
  QComboBox* comboBox2() const { return comboBox(ChoiceControl::ComboBox2); }
  QComboBox* comboBox3() const { return comboBox(ChoiceControl::ComboBox3); }
  QLabel* label2() const;
  QLabel* labelA1() const { return labelA1_; }

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
  void setVisible(bool visible) override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildSidePanel();
  QWidget* MakeControl(const PanelItem& item, QWidget* panel);
  QWidget* MakeRadios(const PanelItem& item, QWidget* panel);
  void Connect(const PanelItem& item, QWidget* made);
  void FormChanged();
  void FitToFrame();
  bool RunEndedArrived(QEvent* event);
  void NoteFrame();
  bool FilterKey(QKeyEvent* key);
  bool FilterWheel(QWheelEvent* wheel);

  PaintBox* paintBox_ = nullptr;
  QWidget* controls_[kPanelControlCount] = {};
  QButtonGroup* radioGroup1_ = nullptr;
  QLabel* labelA1_ = nullptr;

  QtCanvas* canvas_ = nullptr;  // the latest canvas made for TForm1, which owns it
  bool discardingInput_ = false;
  QMargins frameMargins_;                       // the window manager's frame, last seen
  std::optional<WindowGeometry> pendingPlace_;  // the place asked for, until the frame is known
  bool busy_ = false;
  std::unique_ptr<TForm1> form_;
};

// Windows virtual-key code of a Qt key; 0 for keys the window does not handle.
int VirtualKeyOf(int qtKey);

}  // namespace zf61
