// TForm1: creation, the show and close sequences, and the settings.
#include "window/TForm1.h"

#include <algorithm>

#include "exchange/ExchangeReader.h"
#include "files/PathText.h"
#include "window/Captions.h"

namespace zf61 {
namespace {

constexpr const char* kExchangeFileName = "JWC_TEMP.TXT";
constexpr const char* kTempPictureName = "zf61_temp.BMP";
constexpr Colour kGrey = MakeColour(128, 128, 128);

}  // namespace

TForm1::TForm1(std::filesystem::path programFile, FormFrontEnd& frontEnd, FormServices services)
    : programFile_(std::move(programFile)),
      programFolder_(programFile_.parent_path()),
      tempPicturePath_(programFolder_ / kTempPictureName),
      frontEnd_(frontEnd),
      services_(services),
      navigator_(
          store_,
          [this] {
            return PaintBoxSize{canvas_->width(), canvas_->height()};
          },
          [this] { RedrawView(); }),
      renderer_(store_, services.pictures, services.esc),
      tracer_(store_, att_) {
  // FormCreate: the attributes with a white background, no back buffer, no traced regions.
  att_.SetBackground(0);
  att_.RecomputeColours();
  att_.SetGreyColour(kGrey);
  canvas_ = frontEnd_.createCanvas(1, 1);
  SetFillColour(kWhite);
}

TForm1::~TForm1() = default;

void TForm1::FormShow() {
  if (shown_) return;
  shown_ = true;
  store_.initialise();
  ExchangeReader reader(store_);
  reader.readExchangeFile(programFolder_ / kExchangeFileName);  // a missing file: empty drawing
  store_.resetAttributes();
  WindowSetUp();
  frontEnd_.setText(TextControl::Label2, "");
  placement_ = PicturePlacement();
  if (store_.settings.bzFlag) store_.appendOutputLine("bz");
  store_.setCurrentGroup(store_.settings.firstGroup);
  store_.setCurrentLayer(store_.settings.firstLayer);
}

void TForm1::WindowSetUp() {
  Settings settings = readSettings(SettingsPathFor(programFile_));
  ApplySettings(settings);
  frontEnd_.placeWindow({settings.left, settings.top, settings.width, settings.height});
  navigator_.FitWithoutRedraw();  // the view is computed; nothing is drawn before `ready`
  ready_ = true;
}

void TForm1::ApplySettings(const Settings& s) {
  const TextCodec& codec = services_.codec;
  SetFillColour(s.fillColour);
  frontEnd_.setText(TextControl::Edit1, codec.cp932ToUtf8(s.pictureFileName));
  frontEnd_.setText(TextControl::Edit2, codec.cp932ToUtf8(s.opacity));
  frontEnd_.setText(TextControl::Edit3, codec.cp932ToUtf8(s.arcDivisions));
  att_.SetBackground(s.background);
  att_.RecomputeColours();
  frontEnd_.selectItem(ChoiceControl::RadioGroup1, s.background);
  frontEnd_.selectItem(ChoiceControl::ComboBox1, s.colourDepth);
  frontEnd_.selectItem(ChoiceControl::ComboBox2, s.fillMethod);
  frontEnd_.setText(TextControl::Edit4, codec.cp932ToUtf8(s.gap));
  frontEnd_.selectItem(ChoiceControl::ComboBox3, ItemOfMagnification(s.magnification));
  frontEnd_.selectItem(ChoiceControl::ComboBox4, s.handBack);
  frontEnd_.selectItem(ChoiceControl::CheckBox1, s.areaLabels);
}

Settings TForm1::CurrentSettings() const {
  const TextCodec& codec = services_.codec;
  WindowGeometry g = frontEnd_.windowPlace();
  Settings s;
  s.left = g.left;
  s.top = g.top;
  s.width = g.width;
  s.height = g.height;
  s.fillColour = fillColour_;
  s.pictureFileName = codec.utf8ToCp932(TextOf(TextControl::Edit1));
  s.opacity = codec.utf8ToCp932(TextOf(TextControl::Edit2));
  s.background = frontEnd_.selectedItem(ChoiceControl::RadioGroup1) == 1 ? 1 : 0;
  s.arcDivisions = codec.utf8ToCp932(TextOf(TextControl::Edit3));
  s.colourDepth = frontEnd_.selectedItem(ChoiceControl::ComboBox1);
  s.fillMethod = frontEnd_.selectedItem(ChoiceControl::ComboBox2) == 1 ? 1 : 0;
  s.gap = codec.utf8ToCp932(TextOf(TextControl::Edit4));
  s.magnification = MagnificationOfItem(frontEnd_.selectedItem(ChoiceControl::ComboBox3));
  s.handBack = frontEnd_.selectedItem(ChoiceControl::ComboBox4) == 1 ? 1 : 0;
  s.areaLabels = frontEnd_.selectedItem(ChoiceControl::CheckBox1) == 1 ? 1 : 0;
  return s;
}

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  FileOps& files = services_.files;
  files.remove(tempPicturePath_);
  backBuffer_.reset();
  dragImage_.reset();
  writeSettings(SettingsPathFor(programFile_), CurrentSettings(), files);
  tracer_.clearRegions();
  writeExchangeFile(store_, programFolder_ / kExchangeFileName, files);
  store_.release();
}

void TForm1::SetFillColour(Colour colour) {
  fillColour_ = colour;
  frontEnd_.setSwatchColour(colour);
}

}  // namespace zf61
