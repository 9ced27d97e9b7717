// MainWindow: what TForm1 asks of the front-end, and Qt's events turned into TForm1's handlers.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QWindow>

#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/PaintBox.h"
#include "window/KeyCodes.h"

namespace zf61 {
namespace {

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
      return true;
    default:
      return false;
  }
}

}  // namespace

int VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Escape:
      return kVkEscape;
    case Qt::Key_PageUp:
      return kVkPageUp;
    case Qt::Key_PageDown:
      return kVkPageDown;
    case Qt::Key_End:
      return kVkEnd;
    case Qt::Key_Home:
      return kVkHome;
    case Qt::Key_Left:
      return kVkLeft;
    case Qt::Key_Up:
      return kVkUp;
    case Qt::Key_Right:
      return kVkRight;
    case Qt::Key_Down:
      return kVkDown;
    case Qt::Key_Insert:
      return kVkInsert;
    case Qt::Key_Delete:
      return kVkDelete;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kVkReturn;
    default:
      return 0;
  }
}

std::string MainWindow::text(TextControl control) const {
  if (control == TextControl::Label2) return label2()->text().toStdString();
  if (control == TextControl::LabelA1) return labelA1_->text().toStdString();
  return edit(control)->text().toStdString();
}

void MainWindow::setText(TextControl control, std::string_view utf8) {
  if (control == TextControl::Label2) {
    label2()->setText(FromUtf8(utf8));
  } else if (control == TextControl::LabelA1) {
    labelA1_->setText(FromUtf8(utf8));
  } else {
    edit(control)->setText(FromUtf8(utf8));
  }
}

int MainWindow::selectedItem(ChoiceControl control) const {
  if (control == ChoiceControl::RadioGroup1) return radioGroup1_->checkedId();
  if (control == ChoiceControl::CheckBox1) return checkBox1()->isChecked() ? 1 : 0;
  return comboBox(control)->currentIndex();
}

void MainWindow::selectItem(ChoiceControl control, int item) {
  if (control == ChoiceControl::RadioGroup1) {
    radioGroup1_->button(item)->setChecked(true);
  } else if (control == ChoiceControl::CheckBox1) {
    checkBox1()->setChecked(item == 1);
  } else {
    comboBox(control)->setCurrentIndex(item);
  }
}

void MainWindow::setSwatchColour(Colour colour) {
  QWidget* label1 = control(PanelControl::Label1);
  QPalette palette = label1->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  label1->setPalette(palette);
}

void MainWindow::setButtonEnabled(ButtonControl which, bool enabled) {
  QPushButton* b = button(which);
  b->setEnabled(enabled);
  b->repaint();  // drawn disabled at once, before a long task starts
}

void MainWindow::showMessage(std::string_view utf8) {
  ShowMessage(this, FromUtf8(utf8));
}

std::optional<Colour> MainWindow::chooseColour(Colour initial) {
  return RunColourDialog(this, initial);
}

std::optional<std::string> MainWindow::choosePictureFile(std::string_view folder,
                                                         std::string_view name) {
  std::unique_ptr<QFileDialog> dialog =
      MakePictureFileDialog(this, FromUtf8(folder), FromUtf8(name));
  std::optional<QString> chosen = RunPictureFileDialog(*dialog);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::unique_ptr<Canvas> MainWindow::createCanvas(int32_t width, int32_t height) {
  auto canvas = std::make_unique<QtCanvas>(width, height);
  canvas_ = canvas.get();
  return canvas;
}

void MainWindow::presentCanvas() {
  paintBox_->present();
}

void MainWindow::presentStatus() {
  labelA1_->repaint();
}

// Maximised or minimised, the window's place is the one it returns to, framed as it was last
// seen in its normal state.
WindowGeometry MainWindow::windowPlace() const {
  QRect outer = frameGeometry();
  if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
    outer = normalGeometry().marginsAdded(frameMargins_);
  }
  return {outer.x(), outer.y(), outer.width(), outer.height()};
}

void MainWindow::placeWindow(const WindowGeometry& g) {
  // The outer frame's place, as the settings keep it. Set before the window is mapped, so that
  // the window manager places the frame there (a move after mapping is taken for the client's
  // place, and the window crept by its title bar on every run). The frame's size is known only
  // once the window manager has framed the window: the client area is fitted then.
  pendingPlace_ = g;
  move(g.left, g.top);
  FitToFrame();
  if (isVisible() || !layout()) return;
  layout()->activate();  // the drawing area's size, which the first fit needs, is known now
  form_->PaintBox1Resized(paintBox_->width(), paintBox_->height());
}

// The client area within the outer place asked for, and the minimum on the outer size, with the
// frame the window manager gives.
void MainWindow::FitToFrame() {
  QMargins m = frameMargins_;
  setMinimumSize(kMinWindowWidth - m.left() - m.right(), kMinWindowHeight - m.top() - m.bottom());
  if (!pendingPlace_) return;
  resize(pendingPlace_->width - m.left() - m.right(), pendingPlace_->height - m.top() - m.bottom());
  if (!m.isNull()) pendingPlace_.reset();  // framed: placed for good
}

// Notes the frame whenever the window moves or changes size in its normal state.
void MainWindow::NoteFrame() {
  if (!isVisible() || !windowHandle() || windowState() != Qt::WindowNoState) return;
  QMargins m = windowHandle()->frameMargins();
  if (m == frameMargins_) return;
  frameMargins_ = m;
  FitToFrame();
}

bool MainWindow::event(QEvent* event) {
  if (RunEndedArrived(event)) return true;
  bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowStateChange:
      NoteFrame();
      break;
    default:
      break;
  }
  return handled;
}

void MainWindow::setVisible(bool visible) {
  // FormShow runs before the window appears, as the show sequence does on Windows.
  if (visible && !isVisible() && form_) form_->FormShow();
  QWidget::setVisible(visible);
}

void MainWindow::focusNotes() {
  control(PanelControl::Memo1)->setFocus();
}

std::optional<PixelPoint> MainWindow::pointerInDrawingArea() const {
  QPoint at = paintBox_->mapFromGlobal(QCursor::pos());
  if (!paintBox_->rect().contains(at)) return std::nullopt;
  return PixelPoint{at.x(), at.y()};
}

bool MainWindow::controlTakesKeys() const {
  // The focus may be on a part of a control (a radio button of the group box).
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    for (const PanelItem& item : kPanelItems) {
      if (control(item.control) == w) return TakesKeys(item.kind);
    }
  }
  return false;
}

void MainWindow::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

namespace {

// The end of a run, posted behind what queued up during it. The event loop takes the events it
// posted itself before those the window system brought in the same turn, so the end is
// passed on once more: by its second arrival the window system's events of the run have gone.
const QEvent::Type kRunEnded = static_cast<QEvent::Type>(QEvent::registerEventType());

class RunEnded final : public QEvent {
 public:
  explicit RunEnded(int turns) : QEvent(kRunEnded), turns_(turns) {}
  int turns() const { return turns_; }

 private:
  int turns_;
};

}  // namespace

void MainWindow::discardPendingInput() {
  // Clicks and keys that queued up meanwhile are dropped by the event filter when the event
  // loop takes them, after the task has returned; everything else runs then as it comes.
  discardingInput_ = true;
  QCoreApplication::postEvent(this, new RunEnded(2));
}

bool MainWindow::RunEndedArrived(QEvent* event) {
  if (event->type() != kRunEnded) return false;
  int turns = static_cast<RunEnded*>(event)->turns();
  if (turns > 1) {
    QCoreApplication::postEvent(this, new RunEnded(turns - 1));
  } else {
    discardingInput_ = false;
  }
  return true;
}

void MainWindow::closeWindow() {
  close();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  form_->FormShow();  // once: nothing when it ran before the window appeared
}

void MainWindow::closeEvent(QCloseEvent* event) {
  form_->FormClose();
  event->accept();
}

void MainWindow::FormChanged() {
  if (form_) form_->ControlsChanged();
}

bool MainWindow::FilterKey(QKeyEvent* key) {
  int vk = VirtualKeyOf(key->key());
  return vk != 0 && form_->FormKeyDown(vk, key->modifiers() & Qt::ShiftModifier);
}

bool MainWindow::FilterWheel(QWheelEvent* wheel) {
  QPoint position = paintBox_->mapFromGlobal(wheel->globalPosition().toPoint());
  form_->FormMouseWheel(position.x(), position.y(), wheel->angleDelta().y());
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (discardingInput_ && IsUserInput(event->type())) return true;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (event->type() == QEvent::KeyPress) return FilterKey(static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::Wheel) return FilterWheel(static_cast<QWheelEvent*>(event));
  return false;
}

}  // namespace zf61
