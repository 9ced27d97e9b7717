// TForm1: creation, the controls and their layout.
#include "shell/Unit1.h"

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
#include <QVBoxLayout>

#include "shell/MemoText.h"
#include "shell/PaintBox.h"

namespace zf61 {
namespace {

constexpr const char* kCream = "#FFFBF0";
constexpr const char* kLightGrey = "#D4D0C8";

QLabel* SmallLabel(const char* utf8, QWidget* parent) {
  return new QLabel(QString::fromUtf8(utf8), parent);
}

QPushButton* Button(const char* utf8, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(utf8), parent);
}

}  // namespace

TForm1::TForm1(std::filesystem::path programFile, std::unique_ptr<Dialogs> dialogs,
               std::unique_ptr<EscKey> esc, FileOps& files)
    : programFile_(std::move(programFile)),
      programFolder_(programFile_.parent_path()),
      tempPicturePath_(programFolder_ / "zf61_temp.BMP"),
      dialogs_(std::move(dialogs)),
      esc_(std::move(esc)),
      files_(files) {
  // FormCreate: the attributes with a white background, no back buffer, no traced regions.
  att_.SetBackground(0);
  att_.RecomputeColours();
  att_.SetGreyColour(MakeColour(128, 128, 128));
  canvas_ = std::make_unique<QtCanvas>(1, 1);
  navigator_ = std::make_unique<ViewNavigator>(
      store_,
      [this] {
        return PaintBoxSize{paintBox_->width(), paintBox_->height()};
      },
      [this] { RedrawView(); });
  renderer_ = std::make_unique<EntityRenderer>(store_, pictures_, *esc_);
  tracer_ = std::make_unique<RegionTracer>(store_, att_);
  setWindowTitle(QString::fromUtf8("塗り"));
  setMinimumSize(kMinWindowWidth, kMinWindowHeight);
  BuildControls();
  // Keys and the wheel reach the form before any control.
  qApp->installEventFilter(this);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
}

QWidget* TForm1::paintBox() const {
  return paintBox_;
}

void TForm1::BuildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* row = new QHBoxLayout();
  row->setSpacing(0);
  paintBox_ = new PaintBox(*this, this);
  row->addWidget(paintBox_, 1);
  row->addWidget(BuildSidePanel());
  outer->addLayout(row, 1);
  labelA1_ = new QLabel(QString::fromUtf8("　"), this);
  labelA1_->setAlignment(Qt::AlignCenter);
  labelA1_->setAutoFillBackground(true);
  labelA1_->setStyleSheet(QString("background: %1;").arg(kLightGrey));
  outer->addWidget(labelA1_);
}

QWidget* TForm1::BuildSidePanel() {
  auto* panel2 = new QWidget(this);
  panel2->setFixedWidth(kPanelWidth);
  panel2->setAutoFillBackground(true);
  QPalette cream = panel2->palette();
  cream.setColor(QPalette::Window, QColor(kCream));
  panel2->setPalette(cream);
  auto* v = new QVBoxLayout(panel2);
  v->setContentsMargins(4, 4, 4, 4);
  v->setSpacing(3);

  auto* group = new QGroupBox(QString::fromUtf8("背景色(&B)"), panel2);
  auto* groupRow = new QHBoxLayout(group);
  radioGroup1_ = new QButtonGroup(this);
  for (int item = 0; item < 2; ++item) {
    auto* radio = new QRadioButton(QString::fromUtf8(item == 0 ? "白" : "黒"), group);
    radioGroup1_->addButton(radio, item);
    groupRow->addWidget(radio);
  }
  radioGroup1_->button(0)->setChecked(true);
  connect(radioGroup1_, &QButtonGroup::idClicked, this, [this](int id) { RadioGroup1Click(id); });
  v->addWidget(group);

  auto* colourRow = new QHBoxLayout();
  auto* button4 = Button("色(&C)", panel2);
  connect(button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  label1_ = new QLabel(panel2);
  label1_->setAutoFillBackground(true);
  label1_->setFrameStyle(QFrame::Box);
  label1_->setMinimumHeight(22);
  colourRow->addWidget(button4);
  colourRow->addWidget(label1_, 1);
  v->addLayout(colourRow);
  SetFillColour(kWhite);

  auto* alphaRow = new QHBoxLayout();
  alphaRow->addWidget(SmallLabel("アルファ値", panel2));
  edit2_ = new QLineEdit(QStringLiteral("128"), panel2);
  alphaRow->addWidget(edit2_);
  v->addLayout(alphaRow);

  auto* button5 = Button("画像ファイル名(&I)", panel2);
  connect(button5, &QPushButton::clicked, this, [this] { Button5Click(); });
  v->addWidget(button5);
  edit1_ = new QLineEdit(panel2);
  v->addWidget(edit1_);
  label2_ = new QLabel(panel2);
  label2_->setWordWrap(true);
  v->addWidget(label2_);

  auto* depthRow = new QHBoxLayout();
  depthRow->addWidget(SmallLabel("保存画像色", panel2));
  comboBox1_ = new QComboBox(panel2);
  for (const char* item : {"2色", "16色", "256色", "24bit色", "32bit色"}) {
    comboBox1_->addItem(QString::fromUtf8(item));
  }
  comboBox1_->setCurrentIndex(3);
  depthRow->addWidget(comboBox1_);
  v->addLayout(depthRow);

  auto* arcRow = new QHBoxLayout();
  arcRow->addWidget(SmallLabel("円弧分割数", panel2));
  edit3_ = new QLineEdit(QStringLiteral("24"), panel2);
  arcRow->addWidget(edit3_);
  v->addLayout(arcRow);

  button3_ = Button("作図実行(&G)", panel2);
  connect(button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
  v->addWidget(button3_);

  memo1_ = new QPlainTextEdit(panel2);
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QStringList lines;
  for (const char* line : kMemoLines) lines << QString::fromUtf8(line);
  memo1_->setPlainText(lines.join('\n'));
  v->addWidget(memo1_, 1);

  auto* okRow = new QHBoxLayout();
  auto* button1 = Button("ＯＫ(&Y)", panel2);
  auto* button2 = Button("キャンセル(&N)", panel2);
  connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  okRow->addWidget(button1);
  okRow->addWidget(button2);
  v->addLayout(okRow);
  return panel2;
}

void TForm1::SetFillColour(Colour colour) {
  fillColour_ = colour;
  QPalette palette = label1_->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  label1_->setPalette(palette);
}

}  // namespace zf61
