#include "window/ControlChecks.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "files/PathText.h"
#include "model/Numbers.h"
#include "window/Captions.h"
#include "window/ControlDefaults.h"

namespace zf61 {
namespace {

bool FolderExists(std::string_view folder) {
  std::error_code error;
  return !folder.empty() && std::filesystem::is_directory(NativePath(folder), error);
}

size_t Utf8Length(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

std::string NameMessage(const PictureControls& controls, const TextCodec* codec) {
  if (controls.edit1.empty()) return kMessageNoFileName;
  if (UpperExtension(controls.edit1) != ".BMP") return kMessageBmpOnly;
  // The record Jw_cad reads names the picture in Shift-JIS: a character it cannot hold would
  // point Jw_cad at a file that does not exist.
  if (!codec) return {};
  if (std::optional<std::string> c = CharacterNotInCp932(controls.edit1, *codec)) {
    return kMessageNotInCp932Before + *c + kMessageNotInCp932After;
  }
  return {};
}

}  // namespace

std::optional<std::string> CharacterNotInCp932(std::string_view utf8, const TextCodec& codec) {
  for (size_t i = 0; i < utf8.size();) {
    size_t length = std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    std::string_view c = utf8.substr(i, length);
    if (codec.cp932ToUtf8(codec.utf8ToCp932(c)) != c) return std::string(c);
    i += length;
  }
  return std::nullopt;
}

std::string TargetPathFor(std::string_view edit1, std::string_view drawingFileName,
                          std::string_view programFolder) {
  if (FolderExists(FolderPart(edit1))) return std::string(edit1);
  std::string_view drawingFolder = FolderPart(drawingFileName);
  std::string target(FolderExists(drawingFolder) ? drawingFolder : programFolder);
  target += FileNamePart(edit1);
  return target;
}

RegionQuery QueryOfControls(const PictureControls& controls, bool openEnds) {
  RegionQuery query;
  query.method = controls.methodIndex == 1 ? FillMethod::Rooms : FillMethod::ClosedFigures;
  query.divisions = std::clamp(ParseInt(controls.edit3), kMinArcDivisions, kMaxArcDivisions);
  double gap = ParseFloat(controls.edit4);
  query.gap = gap > 0.0 && std::isfinite(gap) ? gap : 0.0;
  query.openEnds = openEnds;
  return query;
}

GenerationRequest CheckControls(const PictureControls& controls, std::string_view drawingFileName,
                                std::string_view programFolder, const TextCodec* codec) {
  GenerationRequest request;
  const RegionQuery query = QueryOfControls(controls);
  request.opacity = std::clamp(ParseInt(controls.edit2), 0, kMaxOpacity);
  request.divisions = query.divisions;
  request.edit3 = std::to_string(request.divisions);
  request.fillColour = controls.fillColour;
  request.depth = static_cast<ColourDepth>(std::clamp(controls.depthIndex, 0, kLastDepthItem));
  request.method = query.method;
  request.gap = query.gap;
  request.magnification = std::clamp(controls.magnification, 1, kMaxMagnification);
  request.handBack = controls.handBackIndex == 1 ? HandBackKind::Solids : HandBackKind::Picture;
  // The picture on screen only shows what solids will cover: no file is made for them.
  if (request.handBack == HandBackKind::Solids) return request;
  request.message = NameMessage(controls, codec);
  if (request.message.empty()) {
    request.targetPath = TargetPathFor(controls.edit1, drawingFileName, programFolder);
  }
  return request;
}

GenerationResult GeneratePicture(PictureGenerator& generator, const PictureControls& controls,
                                 std::string_view drawingFileName, Canvas& canvas,
                                 const std::filesystem::path& tempPicture,
                                 std::string_view programFolder, const TextCodec* codec) {
  return generator.generate(CheckControls(controls, drawingFileName, programFolder, codec), canvas,
                            tempPicture);
}

std::string AreaLabel(double squareMetres) {
  return FormatFixed(2, squareMetres) + kAreaLabelUnit;
}

std::string RefusalMessage(Refusal refusal) {
  return refusal == Refusal::NoMemory ? kMessageNoMemory : kMessageTooLarge;
}

}  // namespace zf61
