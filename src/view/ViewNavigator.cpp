// The view operations.
#include "view/ViewNavigator.h"

#include <cmath>

namespace zf61 {

bool IsUsableView(const ViewWindow& v) {
  for (double value : {v.Left, v.Right, v.Bottom, v.Top, v.Scale}) {
    if (!std::isfinite(value)) return false;
  }
  // The rectangle must keep a width and height that doubles can still tell apart.
  return v.Scale > 0.0 && (v.PixelWidth <= 0 || v.Right > v.Left) &&
         (v.PixelHeight <= 0 || v.Top > v.Bottom);
}

ViewNavigator::ViewNavigator(const DrawingStore& store, std::function<PaintBoxSize()> paintBoxSize,
                             std::function<void()> redraw)
    : store_(store), paintBoxSize_(std::move(paintBoxSize)), redraw_(std::move(redraw)) {}

ViewWindow ViewNavigator::WithCurrentPixelSize() const {
  ViewWindow v = view_;
  PaintBoxSize size = paintBoxSize_ ? paintBoxSize_() : PaintBoxSize{};
  v.PixelWidth = size.width;
  v.PixelHeight = size.height;
  return v;
}

void ViewNavigator::Change(const ViewWindow& candidate) {
  if (!IsUsableView(candidate)) return;
  RememberView();
  view_ = candidate;
  Redraw();
}

bool ViewNavigator::Install(const ViewWindow& candidate) {
  if (!IsUsableView(candidate)) return false;
  view_ = candidate;
  return true;
}

void ViewNavigator::Redraw() {
  if (redraw_) redraw_();
}

void ViewNavigator::FitWithoutRedraw() {
  RememberView();
  view_ = WithCurrentPixelSize();
  ComputeDrawingExtents(store_, extents_);
  double dx = std::fabs(extents_.XMax - extents_.XMin);
  double dy = std::fabs(extents_.YMax - extents_.YMin);
  if (!(dx > kFitMinimumExtent)) dx = kFitMinimumExtent;
  if (!(dy > kFitMinimumExtent)) dy = kFitMinimumExtent;
  // A paint box of no size still gets a usable scale, as if it were one pixel.
  double width = view_.PixelWidth > 0 ? view_.PixelWidth : 1;
  double height = view_.PixelHeight > 0 ? view_.PixelHeight : 1;
  double sx = width / dx * kFitShare;
  double sy = height / dy * kFitShare;
  ViewWindow fitted = view_;
  fitted.Scale = sx >= sy ? sy : sx;
  fitted.SetRectangle((extents_.XMin + extents_.XMax) / 2, (extents_.YMin + extents_.YMax) / 2);
  Install(fitted);
}

void ViewNavigator::FitAll() {
  FitWithoutRedraw();
  Redraw();
}

void ViewNavigator::ZoomAt(double pixelX, double pixelY, double factor) {
  const ViewWindow old = view_;
  PointD p = old.WindowToDrawing(pixelX, pixelY);
  double cx = (old.Left + old.Right) / 2, cy = (old.Bottom + old.Top) / 2;
  double hw = (old.Right - old.Left) / 2 / factor;
  double hh = (old.Top - old.Bottom) / 2 / factor;
  double ex = p.x - cx, ey = p.y - cy;
  ViewWindow zoomed = old;
  zoomed.Scale = old.Scale * factor;
  zoomed.Left = cx - hw - ex / factor + ex;
  zoomed.Right = cx + hw - ex / factor + ex;
  zoomed.Bottom = cy - hh - ey / factor + ey;
  zoomed.Top = cy + hh - ey / factor + ey;
  Change(zoomed);
}

void ViewNavigator::ZoomWindow(PointD p, PointD q) {
  ViewWindow candidate = WithCurrentPixelSize();
  double w = std::fabs(q.x - p.x), h = std::fabs(q.y - p.y);
  if (!(w > kZoomWindowMinimum)) w = kZoomWindowMinimum;
  if (!(h > kZoomWindowMinimum)) h = kZoomWindowMinimum;
  double sx = candidate.PixelWidth / w, sy = candidate.PixelHeight / h;
  candidate.Scale = sx >= sy ? sy : sx;
  candidate.SetRectangle((p.x + q.x) / 2, (p.y + q.y) / 2);
  Change(candidate);
}

void ViewNavigator::ZoomOutHalf(PointD p, PointD q) {
  ViewWindow candidate = WithCurrentPixelSize();
  double sx = candidate.PixelWidth / (2 * (view_.Right - view_.Left));
  double sy = candidate.PixelHeight / (2 * (view_.Top - view_.Bottom));
  candidate.Scale = sx >= sy ? sy : sx;
  candidate.SetRectangle((p.x + q.x) / 2, (p.y + q.y) / 2);
  Change(candidate);
}

void ViewNavigator::CenterAt(PointD p) {
  ViewWindow candidate = WithCurrentPixelSize();
  double dx = p.x - (view_.Left + view_.Right) / 2;
  double dy = p.y - (view_.Bottom + view_.Top) / 2;
  candidate.Left += dx, candidate.Right += dx;
  candidate.Bottom += dy, candidate.Top += dy;
  Change(candidate);
}

void ViewNavigator::CenterDrawing() {
  ViewWindow candidate = view_;
  candidate.SetRectangle((extents_.XMin + extents_.XMax) / 2, (extents_.YMin + extents_.YMax) / 2);
  Change(candidate);
}

void ViewNavigator::SwapPreviousView() {
  ViewRect current = view_;
  static_cast<ViewRect&>(view_) = previous_;
  Redraw();
  previous_ = current;
}

void ViewNavigator::PanBy(double dx, double dy) {
  ViewWindow candidate = view_;
  candidate.Left += dx, candidate.Right += dx;
  candidate.Bottom += dy, candidate.Top += dy;
  Change(candidate);
}

void ViewNavigator::Resize(PaintBoxSize size) {
  ViewWindow candidate = view_;
  candidate.PixelWidth = size.width;
  candidate.PixelHeight = size.height;
  candidate.SetRectangle((view_.Left + view_.Right) / 2, (view_.Bottom + view_.Top) / 2);
  Install(candidate);
}

}  // namespace zf61
