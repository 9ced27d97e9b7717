// Paints the traced regions in one colour and opacity: all regions form one even-odd path that
// is filled once, so a region inside another leaves a hole and no pixel is blended twice.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/FillPlan.h"
#include "fill/TraceTypes.h"
#include "model/Colour.h"
#include "view/Canvas.h"
#include "view/ViewWindow.h"

namespace zf61 {

// 0xAARRGGBB from a 0x00BBGGRR colour and the low 8 bits of the opacity.
uint32_t FillArgb(Colour colour, int opacity);

class FillPainter {
 public:
  // `magnification`: the canvas is that many times finer than the view's pixels, and the path's
  // unrounded pixel coordinates are multiplied by it.
  explicit FillPainter(const ViewWindow& view, int magnification = 1)
      : view_(view), magnification_(magnification) {}

  // The drawing state of one pass: remembers the canvas and gives it a black one-pixel pen.
  void BeginGraphics(Canvas& canvas);
  void EndGraphics();
  bool active() const { return canvas_ != nullptr; }

  void FillRegions(const std::vector<ClosedRegion>& regions, Colour colour, int opacity);
  // Every layer of the plan in turn, each as FillRegions paints it, at the plan's opacity.
  void PaintPlan(const FillPlan& plan);

  void NewFillPath();
  void StartPathFigure();
  void ClosePathFigure();
  // Adds the line between two points in drawing units, converted to unrounded pixels.
  void AddPathSegment(double x1, double y1, double x2, double y2);
  void FillPathWithColour(Colour colour, int opacity);
  void RecreateGraphics() {}  // the canvas keeps no separate graphics object to renew

 private:
  FloatPoint ToPixels(double x, double y) const;

  const ViewWindow& view_;
  double magnification_;
  Canvas* canvas_ = nullptr;
  std::vector<std::vector<FloatPoint>> path_;
  bool hasPath_ = false;
};

}  // namespace zf61
