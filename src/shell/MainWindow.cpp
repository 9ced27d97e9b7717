// MainWindow: the controls and their layout.
#include "shell/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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

QString Lines(std::span<const char* const> lines) {
  QStringList joined;
  for (const char* line : lines) joined << Utf8(line);
  return joined.join('\n');
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFile, FormServices services) {
  setWindowTitle(Utf8(kWindowCaption));
  BuildControls();
  FitToFrame();  // the minimum size, until the window manager's frame is known
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
  return static_cast<QPushButton*>(control(PanelControlOf(button)));
}

QLineEdit* MainWindow::edit(TextControl c) const {
  return qobject_cast<QLineEdit*>(control(PanelControlOf(c)));
}

QComboBox* MainWindow::comboBox(ChoiceControl c) const {
  return qobject_cast<QComboBox*>(control(PanelControlOf(c)));
}

QCheckBox* MainWindow::checkBox1() const {
  return static_cast<QCheckBox*>(control(PanelControl::CheckBox1));
}

QLabel* MainWindow::label2() const {
  return static_cast<QLabel*>(control(PanelControl::Label2));
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

// Row by row as the panel's description lays it out: each control takes its share of the
// row's width, captions their own width, the notes what height is left.
QWidget* MainWindow::BuildSidePanel() {
  auto* panel2 = new QWidget(this);
  panel2->setAutoFillBackground(true);
  QPalette cream = panel2->palette();
  cream.setColor(QPalette::Window, ToQColor(kPanelColour));
  panel2->setPalette(cream);
  auto* v = new QVBoxLayout(panel2);
  v->setContentsMargins(4, 4, 4, 4);
  v->setSpacing(3);
  std::vector<QHBoxLayout*> rows;
  for (RowKind kind : kPanelRows) {
    rows.push_back(new QHBoxLayout());
    v->addLayout(rows.back(), kind == RowKind::Rest ? 1 : 0);
  }
  for (const PanelItem& item : kPanelItems) {
    QWidget* made = MakeControl(item, panel2);
    controls_[static_cast<int>(item.control)] = made;
    if (item.share > 0)
      made->setSizePolicy(QSizePolicy::Ignored, made->sizePolicy().verticalPolicy());
    rows[item.row]->addWidget(made, item.share);
    Connect(item, made);
  }
  FitToPanelWidth(panel2);
  return panel2;
}

QWidget* MainWindow::MakeControl(const PanelItem& item, QWidget* panel) {
  QString caption = Utf8(item.caption);
  switch (item.kind) {
    case PanelKind::Radios:
      return MakeRadios(item, panel);
    case PanelKind::Button:
      return new QPushButton(caption, panel);
    case PanelKind::Swatch: {
      auto* swatch = new QLabel(panel);
      swatch->setAutoFillBackground(true);
      swatch->setFrameStyle(QFrame::Box);
      swatch->setMinimumHeight(22);
      return swatch;
    }
    case PanelKind::Caption: {
      auto* label = new QLabel(caption, panel);
      label->setFixedWidth(kCaptionWidth);  // the fields after the captions line up
      return label;
    }
    case PanelKind::Edit:
      return new QLineEdit(caption, panel);
    case PanelKind::PathLabel: {
      auto* label = new QLabel(panel);
      label->setWordWrap(true);
      return label;
    }
    case PanelKind::DropDown: {
      auto* combo = new QComboBox(panel);
      for (const char* line : item.items) combo->addItem(Utf8(line));
      combo->setCurrentIndex(item.initialItem);
      return combo;
    }
    case PanelKind::CheckBox:
      return new QCheckBox(caption, panel);
    case PanelKind::Notes: {
      auto* memo = new QPlainTextEdit(panel);
      memo->setReadOnly(true);
      memo->setLineWrapMode(QPlainTextEdit::NoWrap);
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      memo->setMinimumHeight(kMemoMinimumHeight);
      memo->setPlainText(Lines(kMemoLines));
      return memo;
    }
  }
  return nullptr;
}

QWidget* MainWindow::MakeRadios(const PanelItem& item, QWidget* panel) {
  auto* group = new QGroupBox(Utf8(item.caption), panel);
  auto* groupRow = new QHBoxLayout(group);
  radioGroup1_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(item.items.size()); ++i) {
    auto* radio = new QRadioButton(Utf8(item.items[i]), group);
    radioGroup1_->addButton(radio, i);
    groupRow->addWidget(radio);
  }
  radioGroup1_->button(item.initialItem)->setChecked(true);
  return group;
}

// Buttons and the background reach their handlers; every change of a field, a list or the
// check box is told, so that rooms found for other values are let go.
void MainWindow::Connect(const PanelItem& item, QWidget* made) {
  ButtonControl which;
  if (ButtonOf(item.control, which)) {
    connect(static_cast<QPushButton*>(made), &QPushButton::clicked, this,
            [this, which] { form_->ButtonClick(which); });
  } else if (item.kind == PanelKind::Radios) {
    connect(radioGroup1_, &QButtonGroup::idClicked, this,
            [this](int id) { form_->RadioGroup1Click(id); });
  } else if (item.kind == PanelKind::Edit) {
    connect(static_cast<QLineEdit*>(made), &QLineEdit::textChanged, this,
            [this] { FormChanged(); });
  } else if (item.kind == PanelKind::DropDown) {
    connect(static_cast<QComboBox*>(made), &QComboBox::currentIndexChanged, this,
            [this] { FormChanged(); });
  } else if (item.kind == PanelKind::CheckBox) {
    connect(static_cast<QCheckBox*>(made), &QCheckBox::toggled, this, [this] { FormChanged(); });
  }
}

}  // namespace zf61
