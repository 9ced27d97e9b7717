// The region fill.
#include "fill/FillPainter.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace zf61 {

uint32_t FillArgb(Colour colour, int opacity) {
  uint32_t alpha = static_cast<uint32_t>(opacity) & 0xFFu;
  return alpha << 24 | static_cast<uint32_t>(RedOf(colour)) << 16 |
         static_cast<uint32_t>(GreenOf(colour)) << 8 | static_cast<uint32_t>(BlueOf(colour));
}

void FillPainter::BeginGraphics(Canvas& canvas) {
  canvas_ = &canvas;
  canvas.setPen(kBlack, 1);
}

void FillPainter::EndGraphics() {
  canvas_ = nullptr;
  path_.clear();
  hasPath_ = false;
}

void FillPainter::NewFillPath() {
  path_.clear();
  path_.emplace_back();
  hasPath_ = true;
}

void FillPainter::StartPathFigure() {
  if (hasPath_) path_.emplace_back();
}

void FillPainter::ClosePathFigure() {
  // Filling closes every figure; nothing needs to be added.
}

namespace {

// Single precision as the fill path takes it; values beyond float's range (or not a number)
// are held at its limits instead of overflowing the conversion.
float ToFloat(double v) {
  if (std::isnan(v)) return 0.0f;
  return static_cast<float>(
      std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

}  // namespace

FloatPoint FillPainter::ToPixels(double x, double y) const {
  return {ToFloat((x - view_.Left) * view_.Scale * magnification_),
          ToFloat((view_.PixelHeight - (y - view_.Bottom) * view_.Scale) * magnification_)};
}

void FillPainter::AddPathSegment(double x1, double y1, double x2, double y2) {
  if (!hasPath_) return;
  std::vector<FloatPoint>& figure = path_.back();
  FloatPoint a = ToPixels(x1, y1), b = ToPixels(x2, y2);
  if (figure.empty() || figure.back().x != a.x || figure.back().y != a.y) figure.push_back(a);
  figure.push_back(b);
}

void FillPainter::FillPathWithColour(Colour colour, int opacity) {
  if (canvas_ && hasPath_) canvas_->fillPathEvenOdd(path_, FillArgb(colour, opacity));
  path_.clear();
  hasPath_ = false;
  RecreateGraphics();
}

void FillPainter::FillRegions(const std::vector<ClosedRegion>& regions, Colour colour,
                              int opacity) {
  NewFillPath();
  for (size_t i = 0; i < regions.size(); ++i) {
    if (i > 0) StartPathFigure();
    const std::vector<PointD>& p = regions[i].points;
    for (size_t j = 0; j + 1 < p.size(); ++j)
      AddPathSegment(p[j].x, p[j].y, p[j + 1].x, p[j + 1].y);
    ClosePathFigure();
  }
  FillPathWithColour(colour, opacity);
}

void FillPainter::PaintPlan(const FillPlan& plan) {
  for (const FillLayer& layer : plan.layers) FillRegions(layer.rings, layer.colour, plan.opacity);
}

}  // namespace zf61
