// Picture generation, step by step.
#include "output/PictureGenerator.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

#include "files/PathText.h"
#include "fill/FillPainter.h"
#include "model/Numbers.h"
#include "output/BmpWriter.h"
#include "output/ScaleDown.h"
#include "view/CanvasPrimitives.h"

namespace zf61 {

namespace {

bool TooLarge(const Canvas& canvas, int k) {
  uint64_t pixels = static_cast<uint64_t>(canvas.width()) * static_cast<uint64_t>(canvas.height());
  return pixels * static_cast<uint64_t>(k) * static_cast<uint64_t>(k) > kMaxPicturePixels;
}

// The same rectangle of the drawing at k times the scale, on k times the pixels.
ViewWindow Magnified(const ViewWindow& view, int k) {
  ViewWindow fine = view;
  fine.Scale *= k;
  fine.PixelWidth *= k;
  fine.PixelHeight *= k;
  return fine;
}

}  // namespace

void PictureGenerator::PaintPicture(Canvas& canvas, const ViewWindow& view, int magnification,
                                    const FillPlan& plan) {
  FillPainter painter(view_, magnification);
  painter.BeginGraphics(canvas);
  ClearCanvas(canvas, att_, canvas.width(), canvas.height());
  DrawContext ctx(canvas, view, att_);
  renderer_.DrawPicturesAndSolids(ctx);
  painter.PaintPlan(plan);
  painter.EndGraphics();
}

bool PictureGenerator::MakeFinePicture(Canvas& canvas, const FillPlan& plan,
                                       const GenerationRequest& request,
                                       const std::filesystem::path& tempPicture, Refusal& refusal) {
  const int k = request.magnification;
  try {
    std::unique_ptr<Canvas> fine = canvas.makeCanvas(canvas.width() * k, canvas.height() * k);
    if (!fine) throw std::bad_alloc();
    PaintPicture(*fine, Magnified(view_, k), k, plan);
    IndexedImage picture = depths_.convert(fine->readPixels(), request.depth);
    fine.reset();
    if (!WriteBmpFile(tempPicture, picture, ops_)) return false;
    canvas.writePixels(ScaleDown(ShownAsSaved(picture), k));
    return true;
  } catch (const std::bad_alloc&) {
    ops_.remove(tempPicture);
    refusal = Refusal::NoMemory;
    return false;
  }
}

bool PictureGenerator::SavePicture(Canvas& canvas, ColourDepth depth,
                                   const std::filesystem::path& tempPicture) {
  IndexedImage picture = depths_.convert(canvas.readPixels(), depth);
  if (!WriteBmpFile(tempPicture, picture, ops_)) return false;
  canvas.writePixels(ShownAsSaved(picture));
  return true;
}

bool FindPlan(const GenerationRequest& request, const TgraAttribute& att, RegionTracer& tracer,
              RoomFinder* rooms, TraceProgress* progress, FillPlan& plan) {
  FoundRegions found;
  if (!FindRegions(QueryOf(request), tracer.store(), att, tracer, rooms, progress, found)) {
    return false;
  }
  plan = MakeFillPlan(found, nullptr, request.fillColour, request.opacity);
  return true;
}

GenerationResult PictureGenerator::generate(const GenerationRequest& request, Canvas& canvas,
                                            const std::filesystem::path& tempPicture,
                                            TraceProgress* progress) {
  return generate(request, canvas, tempPicture, [&](const GenerationRequest& r, FillPlan& plan) {
    return FindPlan(r, att_, tracer_, rooms_, progress, plan);
  });
}

GenerationResult PictureGenerator::generate(const GenerationRequest& request, Canvas& canvas,
                                            const std::filesystem::path& tempPicture,
                                            const PlanMaker& makePlan) {
  GenerationResult result;
  result.edit3 = request.edit3;
  if (!request.message.empty()) {
    result.outcome = GenerationOutcome::Message;
    result.message = request.message;
    return result;
  }
  const bool solids = request.handBack == HandBackKind::Solids;
  if (!solids && TooLarge(canvas, request.magnification)) {
    ops_.remove(tempPicture);  // refused before any work, and the previous picture forgotten
    result.outcome = GenerationOutcome::Refused;
    result.refusal = Refusal::TooLarge;
    return result;
  }
  FillPlan plan;
  if (!makePlan(request, plan)) {
    ops_.remove(tempPicture);  // the previous picture is gone, as after any run that fails
    result.outcome = GenerationOutcome::Stopped;
    return result;
  }
  bool saved = false;
  if (solids) {
    // The drawing area shows what the solids will cover; no picture is kept.
    PaintPicture(canvas, view_, 1, plan);
    ops_.remove(tempPicture);
    saved = true;
  } else if (request.magnification == 1) {
    PaintPicture(canvas, view_, 1, plan);
    ops_.remove(tempPicture);
    saved = SavePicture(canvas, request.depth, tempPicture);
  } else {
    ops_.remove(tempPicture);
    saved = MakeFinePicture(canvas, plan, request, tempPicture, result.refusal);
  }
  if (!saved) {
    ops_.remove(tempPicture);
    result.outcome =
        result.refusal == Refusal::None ? GenerationOutcome::Failed : GenerationOutcome::Refused;
    return result;
  }
  result.outcome = GenerationOutcome::Generated;
  result.plan = std::move(plan);
  if (solids) return result;
  result.targetPath = request.targetPath;
  result.placement = {view_.Left, view_.Bottom, view_.Right - view_.Left};
  return result;
}

}  // namespace zf61
