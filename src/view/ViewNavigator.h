// The view operations: fit, zoom about a point, zoom to a rectangle, halve the scale, centre,
// and swap with the previous view. Each ends with the full redraw the window supplies.
#pragma once

#include <functional>

#include "model/DrawingStore.h"
#include "view/DrawingExtents.h"
#include "view/ViewWindow.h"

namespace zf61 {

// Fitting leaves this share of the paint box around the drawing unused.
inline constexpr double kFitShare = 0.95;
// Extents narrower than this are widened to it before fitting.
inline constexpr double kFitMinimumExtent = 1e-10;
// A zoom window narrower than this is widened to it.
inline constexpr double kZoomWindowMinimum = 0.001;
// Factor of one wheel notch.
inline constexpr double kZoomStep = 1.5;

struct PaintBoxSize {
  int32_t width = 0;
  int32_t height = 0;
};

class ViewNavigator {
 public:
  ViewNavigator(const DrawingStore& store, std::function<PaintBoxSize()> paintBoxSize,
                std::function<void()> redraw);

  void FitAll();
  // (pixelX, pixelY) in paint-box pixels; it may lie outside the paint box.
  void ZoomAt(double pixelX, double pixelY, double factor);
  void ZoomWindow(PointD p, PointD q);
  void ZoomOutHalf(PointD p, PointD q);
  void CenterAt(PointD p);
  void CenterDrawing();
  void SwapPreviousView();
  // Moves the view by (dx, dy) drawing units, remembering the view before; then redraws.
  void PanBy(double dx, double dy);
  // The paint box was resized: keep centre and scale, take the new pixel size; no redraw.
  void Resize(PaintBoxSize size);
  // Computes the fit without drawing (the window set-up before the window is ready).
  void FitWithoutRedraw();

  const ViewWindow& view() const { return view_; }
  ViewWindow& view() { return view_; }
  const ViewRect& previousView() const { return previous_; }
  const DrawingExtents& extents() const { return extents_; }

 private:
  void RememberView() { previous_ = view_; }
  ViewWindow WithCurrentPixelSize() const;
  // Remembers the current view and installs the candidate, then redraws; a candidate that is
  // not usable (a scale or rectangle that is not finite or has collapsed, as endless zooming
  // would reach) is not taken and nothing changes.
  void Change(const ViewWindow& candidate);
  bool Install(const ViewWindow& candidate);
  void Redraw();

  const DrawingStore& store_;
  std::function<PaintBoxSize()> paintBoxSize_;
  std::function<void()> redraw_;
  ViewWindow view_;
  ViewRect previous_;
  DrawingExtents extents_;
};

bool IsUsableView(const ViewWindow& v);

}  // namespace zf61
