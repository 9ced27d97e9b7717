// TForm1: the side panel's buttons, picture generation and the hand-back on OK.
#include "files/PathText.h"
#include "output/PictureGenerator.h"
#include "output/SolidHandBack.h"
#include "window/Captions.h"
#include "window/ControlChecks.h"
#include "window/GenerationProgress.h"
#include "window/TForm1.h"

namespace zf61 {
namespace {

static_assert(kMagnificationCount == kMaxMagnification, "an item of 画像倍率 for every factor");

std::string PaintedStatus(size_t regions) {
  return std::to_string(regions) + kStatusPaintedAfter;
}

std::string PreviewStatus(size_t regions, size_t openEnds) {
  return kStatusPreviewRegions + std::to_string(regions) + kStatusPreviewOpenEnds +
         std::to_string(openEnds) + kStatusPreviewEnd;
}

}  // namespace

// When the fill cannot go back, the window stays open and says why: the picture would be lost
// with the window (another name can be chosen), the solids could not be made. The exchange
// file is written when it closes, as ever.
void TForm1::Button1Click() {
  bool solids = lastFill_ && lastFill_->handBack == HandBackKind::Solids;
  bool handed = solids ? HandBackAsSolids() : HandBackAsPicture();
  frontEnd_.setText(TextControl::LabelA1, handed   ? kStatusWritingFile
                                          : solids ? kStatusSolidsFailed
                                                   : kStatusCopyFailed);
  frontEnd_.presentStatus();
  if (handed) frontEnd_.closeWindow();
}

bool TForm1::HandBackAsPicture() {
  std::string target = TextOf(TextControl::Label2);
  return handBackPicture(store_, NativePath(target), services_.codec.utf8ToCp932(target),
                         tempPicturePath_, placement_, services_.files) != HandBack::CopyFailed;
}

void TForm1::Button2Click() {
  frontEnd_.closeWindow();
}

// The last fill as solids, with the rooms' areas when 面積を記入 is ticked (their scales read
// only then). False when the area could not be split.
bool TForm1::HandBackAsSolids() {
  if (!services_.splitter) return false;
  bool labels = frontEnd_.selectedItem(ChoiceControl::CheckBox1) == 1;
  RealScale scale = labels ? RealScale::OfDrawing(store_, att_, lastFill_->divisions) : RealScale();
  return HandBackSolids(store_, lastFill_->plan, *services_.splitter, scale,
                        labels ? AreaLabeller(AreaLabel) : AreaLabeller(), services_.codec)
      .split;
}

void TForm1::ButtonClick(ButtonControl button) {
  switch (button) {
    case ButtonControl::Button1:
      return Button1Click();
    case ButtonControl::Button2:
      return Button2Click();
    case ButtonControl::Button3:
      return Button3Click();
    case ButtonControl::Button4:
      return Button4Click();
    case ButtonControl::Button5:
      return Button5Click();
    case ButtonControl::Button6:
      return Button6Click();
    case ButtonControl::Button7:
      return Button7Click();
  }
}

void TForm1::Button3Click() {
  frontEnd_.setText(TextControl::Label2, "");  // the last picture is forgotten, even if this fails
  lastFill_.reset();
  PictureControls controls = ControlValues();
  std::string drawingFile = services_.codec.cp932ToUtf8(store_.settings.drawingFileName);
  GenerationRequest request =
      CheckControls(controls, drawingFile, PathToUtf8(programFolder_, true), &services_.codec);
  frontEnd_.setText(TextControl::Edit3, request.edit3);
  if (!request.message.empty()) {
    frontEnd_.showMessage(request.message);
    return;
  }
  BeginLongTask(kStatusGenerating);
  preview_.reset();
  PictureGenerator generator(att_, navigator_.view(), tracer_, renderer_, services_.files,
                             services_.depths, services_.rooms);
  GenerationProgress progress(services_.clock, services_.esc, frontEnd_);
  GenerationResult result = generator.generate(
      request, *canvas_, tempPicturePath_,
      [&](const GenerationRequest& r, FillPlan& plan) { return MakePlan(r, &progress, plan); });
  frontEnd_.presentCanvas();  // the drawing area shows the picture as saved
  if (result.outcome == GenerationOutcome::Generated) {
    frontEnd_.setText(TextControl::Label2, result.targetPath);
    placement_ = result.placement;
    lastFill_ = LastFill{std::move(result.plan), request.divisions, request.handBack};
  }
  if (result.outcome == GenerationOutcome::Stopped) {
    EndLongTask(kStatusStopped);
  } else if (result.outcome == GenerationOutcome::Generated) {
    EndLongTask(PaintedStatus(lastFill_->plan.count()) +
                (request.handBack == HandBackKind::Solids ? kStatusSolidsOnOk : ""));
  } else {
    EndLongTask(kStatusBlank);
  }
  if (result.outcome == GenerationOutcome::Refused) {
    frontEnd_.showMessage(RefusalMessage(result.refusal));
  }
}

PictureControls TForm1::ControlValues() const {
  PictureControls controls;
  controls.edit1 = TextOf(TextControl::Edit1);
  controls.edit2 = TextOf(TextControl::Edit2);
  controls.edit3 = TextOf(TextControl::Edit3);
  controls.fillColour = fillColour_;
  controls.depthIndex = frontEnd_.selectedItem(ChoiceControl::ComboBox1);
  controls.methodIndex = frontEnd_.selectedItem(ChoiceControl::ComboBox2);
  controls.edit4 = TextOf(TextControl::Edit4);
  controls.magnification = MagnificationOfItem(frontEnd_.selectedItem(ChoiceControl::ComboBox3));
  controls.handBackIndex = frontEnd_.selectedItem(ChoiceControl::ComboBox4);
  return controls;
}

RegionQuery TForm1::QueryFromControls(bool openEnds) {
  RegionQuery query = QueryOfControls(ControlValues(), openEnds);
  frontEnd_.setText(TextControl::Edit3, std::to_string(query.divisions));
  return query;
}

RegionQuery TForm1::CurrentQuery() const {
  return QueryOfControls(ControlValues());
}

// Rooms come from the rooms kept with their picks (found now if they are not there yet);
// closed figures are found anew for every picture.
bool TForm1::MakePlan(const GenerationRequest& request, TraceProgress* progress, FillPlan& plan) {
  if (request.method != FillMethod::Rooms) {
    return FindPlan(request, att_, tracer_, services_.rooms, progress, plan);
  }
  if (!EnsureRooms(QueryOf(request), progress)) return false;
  plan = roomSelection_->plan(request.fillColour, request.opacity);
  return true;
}

void TForm1::Button6Click() {
  RegionQuery query = QueryFromControls(true);
  BeginLongTask(kStatusGenerating);
  GenerationProgress progress(services_.clock, services_.esc, frontEnd_);
  FoundRegions found;
  bool finished =
      query.method == FillMethod::Rooms
          ? EnsureRooms(query, &progress)
          : FindRegions(query, store_, att_, tracer_, services_.rooms, &progress, found);
  if (!finished) {
    preview_.reset();
    EndLongTask(kStatusStopped);
    return;
  }
  preview_ = query.method == FillMethod::Rooms ? roomSelection_->rooms() : std::move(found);
  PaintBox1Paint();  // the view as it is, with the outlines and marks over it
  frontEnd_.presentCanvas();
  EndLongTask(PreviewStatus(preview_->count, preview_->openEnds.size()));
}

// One run at a time: the button is drawn disabled and the pointer busy while it runs, and the
// clicks and keys that arrived meanwhile are dropped before the button is enabled again.
void TForm1::BeginLongTask(const char* status) {
  frontEnd_.setButtonEnabled(ButtonControl::Button3, false);
  frontEnd_.setBusy(true);
  frontEnd_.setText(TextControl::LabelA1, status);
  frontEnd_.presentStatus();
}

void TForm1::EndLongTask(const std::string& status) {
  frontEnd_.setText(TextControl::LabelA1, status);
  frontEnd_.discardPendingInput();
  frontEnd_.setBusy(false);
  frontEnd_.setButtonEnabled(ButtonControl::Button3, true);
}

void TForm1::Button4Click() {
  if (std::optional<Colour> colour = frontEnd_.chooseColour(fillColour_)) SetFillColour(*colour);
}

void TForm1::Button5Click() {
  std::string current = TextOf(TextControl::Edit1);
  std::optional<std::string> chosen =
      frontEnd_.choosePictureFile(FolderPart(current), FileNamePart(current));
  if (chosen) frontEnd_.setText(TextControl::Edit1, *chosen);
}

void TForm1::RadioGroup1Click(int item) {
  att_.SetBackground(item);
  att_.RecomputeColours();
  RedrawView();
}

}  // namespace zf61
