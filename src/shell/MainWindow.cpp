// MainWindow: the controls and their layout.
#include "shell/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "shell/PaintBox.h"
#include "window/Captions.h"
#include "window/MemoText.h"
#include "window/SettingsFile.h"

namespace zf61 {
namespace {

// The notes box keeps at least this height; below it the side panel scrolls.
constexpr int kMemoMinimumHeight = 80;

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

// The panel is 178 pixels wide, less a scroll bar when the window is low: fields and lists
// give way to their labels instead of widening the panel beyond its frame.
void FitToPanelWidth(QWidget* panel) {
  for (QLineEdit* edit : panel->findChildren<QLineEdit*>()) edit->setMinimumWidth(24);
  for (QComboBox* combo : panel->findChildren<QComboBox*>()) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(3);
  }
}

// Two buttons share their row by stretch, whatever their captions would want.
void ShareRow(QPushButton* a, QPushButton* b) {
  for (QPushButton* button : {a, b}) {
    button->setSizePolicy(QSizePolicy::Ignored, button->sizePolicy().verticalPolicy());
  }
}

QHBoxLayout* Row(QVBoxLayout* v) {
  auto* row = new QHBoxLayout();
  v->addLayout(row);
  return row;
}

// A row of a caption and a drop-down list of `items`, the first chosen.
template <size_t N>
QComboBox* DropDownRow(QVBoxLayout* v, QWidget* panel, const char* caption,
                       const char* const (&items)[N]) {
  QHBoxLayout* row = Row(v);
  row->addWidget(new QLabel(Utf8(caption), panel));
  auto* combo = new QComboBox(panel);
  for (const char* item : items) combo->addItem(Utf8(item));
  row->addWidget(combo);
  return combo;
}

// A row of a caption and a text field.
QLineEdit* EditRow(QVBoxLayout* v, QWidget* panel, const char* caption, const char* text) {
  QHBoxLayout* row = Row(v);
  row->addWidget(new QLabel(Utf8(caption), panel));
  auto* edit = new QLineEdit(Utf8(text), panel);
  row->addWidget(edit);
  return edit;
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFile, FormServices services) {
  setWindowTitle(Utf8(kWindowCaption));
  setMinimumSize(kMinWindowWidth, kMinWindowHeight);
  BuildControls();
  form_ = std::make_unique<TForm1>(std::move(programFile), *this, services);
  // Keys and the wheel reach the form before any control.
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
}

QWidget* MainWindow::paintBox() const {
  return paintBox_;
}

QPushButton* MainWindow::button(ButtonControl button) const {
  return buttons_[static_cast<int>(button)];
}

QLineEdit* MainWindow::edit(TextControl control) const {
  switch (control) {
    case TextControl::Edit1:
      return edit1_;
    case TextControl::Edit2:
      return edit2_;
    case TextControl::Edit3:
      return edit3_;
    case TextControl::Edit4:
      return edit4_;
    default:
      return nullptr;
  }
}

QPushButton* MainWindow::MakeButton(ButtonControl which, const char* caption, QWidget* parent) {
  auto* made = new QPushButton(Utf8(caption), parent);
  buttons_[static_cast<int>(which)] = made;
  return made;
}

void MainWindow::BuildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* row = new QHBoxLayout();
  row->setSpacing(0);
  paintBox_ = new PaintBox(*this, this);
  row->addWidget(paintBox_, 1);
  // At the smallest window the panel scrolls, so that every control stays reachable.
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(BuildSidePanel());
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll->setFixedWidth(kPanelWidth);
  row->addWidget(scroll);
  outer->addLayout(row, 1);
  labelA1_ = new QLabel(Utf8(kStatusBlank), this);
  labelA1_->setAlignment(Qt::AlignCenter);
  labelA1_->setAutoFillBackground(true);
  labelA1_->setStyleSheet(QString("background: %1;").arg(ToQColor(kStatusColour).name()));
  outer->addWidget(labelA1_);
}

QWidget* MainWindow::BuildSidePanel() {
  auto* panel2 = new QWidget(this);
  panel2->setAutoFillBackground(true);
  QPalette cream = panel2->palette();
  cream.setColor(QPalette::Window, ToQColor(kPanelColour));
  panel2->setPalette(cream);
  auto* v = new QVBoxLayout(panel2);
  v->setContentsMargins(4, 4, 4, 4);
  v->setSpacing(3);

  auto* group = new QGroupBox(Utf8(kCaptionRadioGroup1), panel2);
  auto* groupRow = new QHBoxLayout(group);
  radioGroup1_ = new QButtonGroup(this);
  for (int item = 0; item < 2; ++item) {
    auto* radio = new QRadioButton(Utf8(kBackgroundItems[item]), group);
    radioGroup1_->addButton(radio, item);
    groupRow->addWidget(radio);
  }
  radioGroup1_->button(0)->setChecked(true);
  connect(radioGroup1_, &QButtonGroup::idClicked, this,
          [this](int id) { form_->RadioGroup1Click(id); });
  v->addWidget(group);
  AddColourRow(panel2, v);
  AddFileRows(panel2, v);
  AddChoiceRows(panel2, v);
  AddNotesAndButtons(panel2, v);
  FitToPanelWidth(panel2);
  return panel2;
}

void MainWindow::AddColourRow(QWidget* panel, QVBoxLayout* v) {
  QHBoxLayout* colourRow = Row(v);
  QPushButton* button4 = MakeButton(ButtonControl::Button4, kCaptionButton4, panel);
  connect(button4, &QPushButton::clicked, this, [this] { form_->Button4Click(); });
  label1_ = new QLabel(panel);
  label1_->setAutoFillBackground(true);
  label1_->setFrameStyle(QFrame::Box);
  label1_->setMinimumHeight(22);
  colourRow->addWidget(button4);
  colourRow->addWidget(label1_, 1);
  edit2_ = EditRow(v, panel, kCaptionLabel3, kInitialOpacity);
}

void MainWindow::AddFileRows(QWidget* panel, QVBoxLayout* v) {
  QPushButton* button5 = MakeButton(ButtonControl::Button5, kCaptionButton5, panel);
  connect(button5, &QPushButton::clicked, this, [this] { form_->Button5Click(); });
  v->addWidget(button5);
  edit1_ = new QLineEdit(panel);
  v->addWidget(edit1_);
  label2_ = new QLabel(panel);
  label2_->setWordWrap(true);
  v->addWidget(label2_);
}

void MainWindow::AddChoiceRows(QWidget* panel, QVBoxLayout* v) {
  comboBox1_ = DropDownRow(v, panel, kCaptionLabel5, kDepthItems);
  comboBox1_->setCurrentIndex(kInitialDepthItem);
  comboBox3_ = DropDownRow(v, panel, kCaptionLabel8, kMagnificationItems);
  edit3_ = EditRow(v, panel, kCaptionLabel4, kInitialArcDivisions);
  comboBox2_ = DropDownRow(v, panel, kCaptionLabel6, kMethodItems);
  edit4_ = EditRow(v, panel, kCaptionLabel7, kInitialGap);
  QHBoxLayout* runRow = Row(v);
  QPushButton* button3 = MakeButton(ButtonControl::Button3, kCaptionButton3, panel);
  connect(button3, &QPushButton::clicked, this, [this] { form_->Button3Click(); });
  QPushButton* button6 = MakeButton(ButtonControl::Button6, kCaptionButton6, panel);
  connect(button6, &QPushButton::clicked, this, [this] { form_->Button6Click(); });
  ShareRow(button3, button6);
  runRow->addWidget(button3, 3);
  runRow->addWidget(button6, 2);
  QPushButton* button7 = MakeButton(ButtonControl::Button7, kCaptionButton7, panel);
  connect(button7, &QPushButton::clicked, this, [this] { form_->Button7Click(); });
  v->addWidget(button7);
  // Rooms found for one way of finding them no longer hold when it changes.
  connect(comboBox2_, &QComboBox::currentIndexChanged, this, [this] { FormChanged(); });
  for (QLineEdit* edit : {edit3_, edit4_}) {
    connect(edit, &QLineEdit::textChanged, this, [this] { FormChanged(); });
  }
}

void MainWindow::AddNotesAndButtons(QWidget* panel, QVBoxLayout* v) {
  memo1_ = new QPlainTextEdit(panel);
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1_->setMinimumHeight(kMemoMinimumHeight);
  QStringList lines;
  for (const char* line : kMemoLines) lines << Utf8(line);
  memo1_->setPlainText(lines.join('\n'));
  v->addWidget(memo1_, 1);
  QHBoxLayout* okRow = Row(v);
  QPushButton* button1 = MakeButton(ButtonControl::Button1, kCaptionButton1, panel);
  QPushButton* button2 = MakeButton(ButtonControl::Button2, kCaptionButton2, panel);
  connect(button1, &QPushButton::clicked, this, [this] { form_->Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { form_->Button2Click(); });
  ShareRow(button1, button2);
  okRow->addWidget(button1, 1);
  okRow->addWidget(button2, 1);
}

}  // namespace zf61
