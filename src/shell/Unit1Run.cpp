// TForm1: the run from reading JWC_TEMP.TXT to writing it back, the settings, and the buttons.
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "exchange/ExchangeReader.h"
#include "files/PathText.h"
#include "output/PictureGenerator.h"
#include "platform/Cp932.h"
#include "shell/PaintBox.h"
#include "shell/Unit1.h"

namespace zf61 {
namespace {

constexpr const char* kExchangeFileName = "JWC_TEMP.TXT";

std::string Utf8(const QString& text) {
  return text.toStdString();
}

}  // namespace

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TForm1::FormShow() {
  store_.initialise();
  ExchangeReader reader(store_);
  reader.readExchangeFile(programFolder_ / kExchangeFileName);  // a missing file: empty drawing
  store_.resetAttributes();
  WindowSetUp();
  label2_->clear();
  placement_ = PicturePlacement();
  if (store_.settings.bzFlag) store_.appendOutputLine("bz");
  store_.setCurrentGroup(store_.settings.firstGroup);
  store_.setCurrentLayer(store_.settings.firstLayer);
}

void TForm1::WindowSetUp() {
  Settings settings = readSettings(SettingsPathFor(programFile_));
  ApplySettings(settings);
  move(settings.left, settings.top);
  resize(settings.width, settings.height);
  navigator_->FitWithoutRedraw();  // the view is computed; nothing is drawn before `ready`
  ready_ = true;
}

void TForm1::ApplySettings(const Settings& s) {
  SetFillColour(s.fillColour);
  edit1_->setText(Cp932ToUnicode(s.pictureFileName));
  edit2_->setText(Cp932ToUnicode(s.opacity));
  edit3_->setText(Cp932ToUnicode(s.arcDivisions));
  att_.SetBackground(s.background);
  att_.RecomputeColours();
  radioGroup1_->button(s.background)->setChecked(true);
  comboBox1_->setCurrentIndex(s.colourDepth);
}

Settings TForm1::CurrentSettings() const {
  Settings s;
  s.left = x();
  s.top = y();
  s.width = width();
  s.height = height();
  s.fillColour = fillColour_;
  s.pictureFileName = UnicodeToCp932(edit1_->text());
  s.opacity = UnicodeToCp932(edit2_->text());
  s.background = radioGroup1_->checkedId() == 1 ? 1 : 0;
  s.arcDivisions = UnicodeToCp932(edit3_->text());
  s.colourDepth = comboBox1_->currentIndex();
  return s;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    FormClose();
  }
  event->accept();
}

void TForm1::FormClose() {
  files_.remove(tempPicturePath_);
  backBuffer_.reset();
  dragImage_.reset();
  writeSettings(SettingsPathFor(programFile_), CurrentSettings(), files_);
  tracer_->clearRegions();
  writeExchangeFile(store_, programFolder_ / kExchangeFileName, files_);
  store_.release();
}

void TForm1::Button1Click() {
  std::string target = Utf8(label2_->text());
  handBackPicture(store_, NativePath(target), UnicodeToCp932(label2_->text()), tempPicturePath_,
                  placement_, files_);
  labelA1_->setText(QString::fromUtf8("ファイル生成中です"));
  labelA1_->repaint();
  close();
}

void TForm1::Button2Click() {
  close();
}

void TForm1::Button3Click() {
  button3_->setEnabled(false);
  PictureGenerator generator(att_, navigator_->view(), *tracer_, *renderer_, files_);
  PictureControls controls;
  controls.edit1 = Utf8(edit1_->text());
  controls.edit2 = Utf8(edit2_->text());
  controls.edit3 = Utf8(edit3_->text());
  controls.fillColour = fillColour_;
  controls.depthIndex = comboBox1_->currentIndex();
  label2_->clear();
  std::string drawingFile = Utf8(Cp932ToUnicode(store_.settings.drawingFileName));
  GenerationResult result =
      generator.generatePicture(controls, drawingFile, *canvas_, tempPicturePath_);
  edit3_->setText(QString::fromStdString(result.edit3));
  if (result.outcome == GenerationOutcome::Message) {
    dialogs_->showMessage(this, QString::fromStdString(result.message));
  } else {
    Present();  // the drawing area shows the picture as saved
  }
  if (result.outcome == GenerationOutcome::Generated) {
    label2_->setText(QString::fromStdString(result.targetPath));
    placement_ = result.placement;
  }
  button3_->setEnabled(true);
}

void TForm1::Button4Click() {
  if (auto colour = dialogs_->chooseColour(this, ToQColor(fillColour_))) {
    SetFillColour(MakeColour(colour->red(), colour->green(), colour->blue()));
  }
}

void TForm1::Button5Click() {
  std::string current = Utf8(edit1_->text());
  QString folder = QString::fromStdString(std::string(FolderPart(current)));
  QString name = QString::fromStdString(std::string(FileNamePart(current)));
  if (auto chosen = dialogs_->choosePictureFile(this, folder, name)) edit1_->setText(*chosen);
}

void TForm1::RadioGroup1Click(int item) {
  att_.SetBackground(item);
  att_.RecomputeColours();
  RedrawView();
}

}  // namespace zf61
