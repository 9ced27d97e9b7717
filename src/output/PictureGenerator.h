// "作図実行(&G)": trace the regions, paint them over the drawing's pictures and solids, and save
// the drawing area as a BMP of the chosen depth, remembering where it belongs in the drawing.
// The window checks its controls first (window/ControlChecks.h) and hands the checked request
// here, so that it can disable its button between the two steps.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "exchange/ExchangeWriter.h"
#include "files/FileOps.h"
#include "fill/FillPlan.h"
#include "fill/RegionSearch.h"
#include "output/Palette.h"
#include "view/EntityRenderer.h"

namespace zf61 {

inline constexpr int kMaxOpacity = 255;
inline constexpr int kMaxMagnification = 8;  // the finest picture: 8 x 8 pixels for each

// The values of the window's controls, as the user typed them.
struct PictureControls {
  std::string edit1;           // picture file name (UTF-8)
  std::string edit2;           // opacity
  std::string edit3;           // arc division count
  Colour fillColour = kBlack;  // Label1
  int depthIndex = 4;          // ComboBox1
  int methodIndex = 0;         // ComboBox2: 0 closed figures, 1 rooms
  std::string edit4;           // the gap between ends that rooms join
  int magnification = 1;       // ComboBox3's factor, 1..8
  int handBackIndex = 0;       // ComboBox4: 0 the picture, 1 solids
};

// How the fill goes back to Jw_cad on OK.
enum class HandBackKind { Picture = 0, Solids = 1 };

// The controls checked and clamped.
struct GenerationRequest {
  std::string message;  // UTF-8; not empty: the name is refused with this message
  std::string edit3;    // the clamped division count, written back to Edit3 in every case
  int opacity = 0;      // 0..255
  int divisions = 0;    // 3..3600
  Colour fillColour = kBlack;
  ColourDepth depth = ColourDepth::Bits32;
  std::string targetPath;  // UTF-8: where OK will copy the picture
  FillMethod method = FillMethod::ClosedFigures;
  double gap = 0.0;       // not a number or below 0: 0
  int magnification = 1;  // the picture is this many times finer than the drawing area
  HandBackKind handBack = HandBackKind::Picture;
};

enum class GenerationOutcome {
  Generated,  // the picture is at the temporary path; Label2 shows the target
  Message,    // the user's input is refused with a message; nothing was drawn
  Failed,     // the picture could not be saved; silently, Label2 stays empty
  Stopped,    // the user stopped the search for regions; nothing is left, as after a failure
  Refused,    // too large a picture, refused with a message; nothing is left, as after a failure
};

// Why a picture was refused.
enum class Refusal { None, TooLarge, NoMemory };

struct GenerationResult {
  GenerationOutcome outcome = GenerationOutcome::Failed;  // Generated: for solids, no file
  std::string message;                                    // UTF-8, for Message: the request's own
  Refusal refusal = Refusal::None;                        // for Refused
  std::string edit3;       // the clamped division count, written back to Edit3 in every case
  std::string targetPath;  // UTF-8, for Generated: the new text of Label2
  PicturePlacement placement;
  FillPlan plan;  // for Generated: what was painted, in which colours (and how many)
};

// What the request asks to be found.
inline RegionQuery QueryOf(const GenerationRequest& request, bool openEnds = false) {
  return {request.method, request.divisions, request.gap, openEnds};
}

// The regions the request asks for, found anew, all painted in its colour. False when
// `progress` stopped the search.
bool FindPlan(const GenerationRequest& request, const TgraAttribute& att, RegionTracer& tracer,
              RoomFinder* rooms, TraceProgress* progress, FillPlan& plan);

// Decides what a checked request paints, after the picture's size has been accepted; false
// when the user stopped the search.
using PlanMaker = std::function<bool(const GenerationRequest& request, FillPlan& plan)>;

class PictureGenerator {
 public:
  PictureGenerator(const TgraAttribute& att, const ViewWindow& view, RegionTracer& tracer,
                   EntityRenderer& renderer, FileOps& ops = SystemFileOps(),
                   DepthConverter& depths = StandardDepthConverter(), RoomFinder* rooms = nullptr)
      : att_(att),
        view_(view),
        tracer_(tracer),
        renderer_(renderer),
        ops_(ops),
        depths_(depths),
        rooms_(rooms) {}

  // Makes the picture of a checked request on `canvas`, the drawing area, which afterwards
  // shows the picture as saved: everything found is painted in the request's colour.
  // `progress`, when given, hears how far the search for regions got and may stop it.
  GenerationResult generate(const GenerationRequest& request, Canvas& canvas,
                            const std::filesystem::path& tempPicture,
                            TraceProgress* progress = nullptr);
  // The same, painting what `makePlan` decides.
  GenerationResult generate(const GenerationRequest& request, Canvas& canvas,
                            const std::filesystem::path& tempPicture, const PlanMaker& makePlan);

 private:
  void PaintPicture(Canvas& canvas, const ViewWindow& view, int magnification,
                    const FillPlan& plan);
  bool SavePicture(Canvas& canvas, ColourDepth depth, const std::filesystem::path& tempPicture);
  // The picture k times finer on a canvas of its own; the drawing area shows it scaled down.
  // False, with `refusal` set where the memory could not be had.
  bool MakeFinePicture(Canvas& canvas, const FillPlan& plan, const GenerationRequest& request,
                       const std::filesystem::path& tempPicture, Refusal& refusal);

  const TgraAttribute& att_;
  const ViewWindow& view_;
  RegionTracer& tracer_;
  EntityRenderer& renderer_;
  FileOps& ops_;
  DepthConverter& depths_;
  RoomFinder* rooms_;
};

// The most pixels a picture may have: four bytes each stay well inside what a BMP can describe
// and what a 64-bit program can hold several times over.
inline constexpr uint64_t kMaxPicturePixels = uint64_t{1} << 28;

}  // namespace zf61
