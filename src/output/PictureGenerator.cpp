// Picture generation, step by step.
#include "output/PictureGenerator.h"

#include <algorithm>

#include "files/PathText.h"
#include "fill/FillPainter.h"
#include "model/Numbers.h"
#include "output/BmpWriter.h"
#include "view/CanvasPrimitives.h"

namespace zf61 {

// UTF-8, as the source file is.
const char* const kMessageNoFileName = "画像ファイル名の入力／画像ファイル指定を行って下さい。";
const char* const kMessageBmpOnly = "画像ファイル名は BMP形式のみです。";

std::string TargetPathFor(std::string_view edit1, std::string_view drawingFileName) {
  std::string_view folder = FolderPart(edit1);
  std::error_code error;
  if (!folder.empty() && std::filesystem::is_directory(NativePath(folder), error)) {
    return std::string(edit1);
  }
  std::string target(FolderPart(drawingFileName));
  target += FileNamePart(edit1);
  return target;
}

void PictureGenerator::PaintPicture(Canvas& canvas, Colour colour, int opacity) {
  FillPainter painter(view_);
  painter.BeginGraphics(canvas);
  ClearCanvas(canvas, att_, canvas.width(), canvas.height());
  DrawContext ctx(canvas, view_, att_);
  renderer_.DrawPicturesAndSolids(ctx);
  painter.FillRegions(tracer_.tracedRegions(), colour, opacity);
  painter.EndGraphics();
}

bool PictureGenerator::SavePicture(Canvas& canvas, ColourDepth depth,
                                   const std::filesystem::path& tempPicture) {
  IndexedImage picture = ConvertToDepth(canvas.readPixels(), depth);
  if (!WriteBmpFile(tempPicture, picture, ops_)) return false;
  canvas.writePixels(ShownAsSaved(picture));
  return true;
}

GenerationResult PictureGenerator::generatePicture(const PictureControls& controls,
                                                   std::string_view drawingFileName, Canvas& canvas,
                                                   const std::filesystem::path& tempPicture) {
  GenerationResult result;
  int opacity = std::clamp(ParseInt(controls.edit2), 0, kMaxOpacity);
  int divisions = std::clamp(ParseInt(controls.edit3), kMinArcDivisions, kMaxArcDivisions);
  result.edit3 = std::to_string(divisions);
  if (controls.edit1.empty()) {
    result.outcome = GenerationOutcome::Message;
    result.message = kMessageNoFileName;
    return result;
  }
  if (UpperExtension(controls.edit1) != ".BMP") {
    result.outcome = GenerationOutcome::Message;
    result.message = kMessageBmpOnly;
    return result;
  }
  std::string target = TargetPathFor(controls.edit1, drawingFileName);
  tracer_.setArcDivisionCount(divisions);
  tracer_.traceRegions();
  PaintPicture(canvas, controls.fillColour, opacity);
  ops_.remove(tempPicture);
  auto depth = static_cast<ColourDepth>(std::clamp(controls.depthIndex, 0, 4));
  if (!SavePicture(canvas, depth, tempPicture)) {
    ops_.remove(tempPicture);
    result.outcome = GenerationOutcome::Failed;
    return result;
  }
  result.outcome = GenerationOutcome::Generated;
  result.targetPath = target;
  result.placement = {view_.Left, view_.Bottom, view_.Right - view_.Left};
  return result;
}

}  // namespace zf61
