// TForm1: the full redraw, repaints from the back buffer, and navigation with keys, the wheel,
// two-button gestures, the middle-button drag and resizing.
#include <cmath>
#include <cstdlib>

#include "fill/FillPainter.h"
#include "view/CanvasPrimitives.h"
#include "view/Stroking.h"
#include "window/KeyCodes.h"
#include "window/TForm1.h"

namespace zf61 {
namespace {

constexpr Colour kAqua = 0x00FFFF00;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kRed = 0x000000FF;
// Half the size of the origin mark, in pixels.
constexpr double kOriginMarkPixels = 5.0;
constexpr int32_t kOriginPenWidth = 2;
constexpr int32_t kRubberBandWidth = 3;
// A two-button release within this many pixels of the press on either axis is a click.
constexpr int32_t kClickPixels = 5;
// A one-button press and release picks a room when the pointer stayed nearer than this on both
// axes all the while.
constexpr int32_t kPickPixels = 3;
// Shift makes an arrow key move a fifth of its usual half view.
constexpr double kFineStepDivisor = 5.0;

// Copies a whole image onto the canvas with its top-left corner at (x, y).
void Blit(Canvas& canvas, const RasterImage& image, int32_t x, int32_t y) {
  canvas.drawImage(image, x, y, x + image.width, y + image.height);
}

std::optional<RasterImage> Snapshot(const Canvas& canvas) {
  RasterImage image = canvas.readPixels();
  if (image.pixels.empty()) return std::nullopt;
  return image;
}

}  // namespace

void TForm1::RedrawView() {
  if (!ready_) return;
  bandOnScreen_ = false;
  preview_.reset();  // a view change clears the outlines of 確認
  Canvas& canvas = *canvas_;
  int32_t w = canvas.width(), h = canvas.height();
  FillPainter drawingState(navigator_.view());
  drawingState.BeginGraphics(canvas);
  ClearCanvas(canvas, att_, w, h);
  SetPen(canvas, kAqua, 0, 0);
  RectanglePx(canvas, 0, 0, w - 1, h - 1);
  SetPen(canvas, kRed, 0, kOriginPenWidth);
  DrawContext ctx(canvas, navigator_.view(), att_);
  double mark = kOriginMarkPixels / navigator_.view().Scale;
  DrawClippedLine(ctx, -mark, 0.0, mark, 0.0);
  DrawClippedLine(ctx, 0.0, -mark, 0.0, mark);
  renderer_.DrawAll(ctx);  // an Esc interruption keeps the partial picture
  drawingState.EndGraphics();
  backBuffer_ = Snapshot(canvas);
  DrawRoomMarks();  // over the drawing, not kept in the back buffer
  frontEnd_.presentCanvas();
}

void TForm1::PaintBox1Paint() {
  bandOnScreen_ = false;
  if (!backBuffer_) {
    navigator_.FitAll();
    return;
  }
  Canvas& canvas = *canvas_;
  int32_t w = canvas.width(), h = canvas.height();
  ClearCanvas(canvas, att_, w, h);
  SetPen(canvas, kBlue, 0, 0);
  RectanglePx(canvas, 0, 0, w - 1, h - 1);
  Blit(canvas, *backBuffer_, 0, 0);
  DrawRoomMarks();
  if (preview_) DrawPreview();
}

// FormResize: the front-end keeps the window at least 475 x 200; the drawing area gets a canvas
// of its new size, and the view keeps its centre and scale without a redraw.
void TForm1::PaintBox1Resized(int32_t width, int32_t height) {
  if (width == canvas_->width() && height == canvas_->height()) return;
  canvas_ = frontEnd_.createCanvas(width, height);
  bandOnScreen_ = false;
  preview_.reset();  // the back buffer is shown where it was, no longer under the view
  if (ready_) navigator_.Resize({width, height});
}

void TForm1::ZoomAboutCentre(double factor) {
  navigator_.ZoomAt(canvas_->width() / 2, canvas_->height() / 2, factor);
}

void TForm1::PanByKey(int key, bool shift) {
  const ViewWindow& v = navigator_.view();
  double divisor = shift ? kFineStepDivisor : 1.0;
  double d = std::fabs(v.Right - v.Left) / 2 / divisor;
  double e = std::fabs(v.Top - v.Bottom) / 2 / divisor;
  if (key == kVkLeft) navigator_.PanBy(-d, 0);
  if (key == kVkRight) navigator_.PanBy(d, 0);
  if (key == kVkUp) navigator_.PanBy(0, e);
  if (key == kVkDown) navigator_.PanBy(0, -e);
}

bool TForm1::FormKeyDown(int key, bool shift) {
  switch (key) {
    case kVkPageUp:
      ZoomAboutCentre(kZoomStep);
      return true;
    case kVkPageDown:
      ZoomAboutCentre(1.0 / kZoomStep);
      return true;
    case kVkEnd:
    case kVkInsert:
      navigator_.CenterDrawing();
      return true;
    case kVkHome:
      navigator_.FitAll();
      return true;
    case kVkLeft:
    case kVkRight:
    case kVkUp:
    case kVkDown:
      PanByKey(key, shift);
      return true;
    case kVkEscape:
      return true;
    case kVkReturn:
    case kVkDelete:
      return RoomKey(key, shift);
    default:
      return false;
  }
}

void TForm1::FormMouseWheel(int32_t x, int32_t y, int delta) {
  // Every notch of 120 is one zoom step; finer wheels add up to notches.
  wheelRemainder_ += delta;
  while (wheelRemainder_ <= -kWheelNotch || wheelRemainder_ >= kWheelNotch) {
    bool down = wheelRemainder_ < 0;
    wheelRemainder_ += down ? kWheelNotch : -kWheelNotch;
    frontEnd_.focusNotes();
    navigator_.ZoomAt(x, y, down ? kZoomStep : 1.0 / kZoomStep);
  }
}

void TForm1::PaintBox1MouseDown(int32_t x, int32_t y, int buttons) {
  if (mouseState_ == 0) pressMoved_ = false;
  if (!(mouseState_ & (kMouseLeft | kMouseRight))) pressPoint_ = {x, y};
  mouseState_ |= buttons & (kMouseLeft | kMouseRight | kMouseMiddle);
  if (mouseState_ & kMouseMiddle) dragImage_ = Snapshot(*canvas_);
}

void TForm1::DrawRubberBand() {
  Canvas& canvas = *canvas_;
  SetXorMode(canvas);
  SetPen(canvas, att_.BackgroundIndex() == 0 ? kAqua : kRed, 0, kRubberBandWidth);
  SetBrush(canvas, 0, 0);
  RectanglePx(canvas, pressPoint_.x, pressPoint_.y, bandEnd_.x, bandEnd_.y);
}

void TForm1::PaintBox1MouseMove(int32_t x, int32_t y) {
  if (mouseState_ == 0) {
    ShowRoomUnder({x, y});
    return;
  }
  if (std::abs(x - pressPoint_.x) >= kPickPixels || std::abs(y - pressPoint_.y) >= kPickPixels) {
    pressMoved_ = true;
  }
  bool bothButtons = (mouseState_ & kMouseLeft) && (mouseState_ & kMouseRight);
  if (bothButtons) {
    if (bandOnScreen_) DrawRubberBand();
    bandEnd_ = {x, y};
    DrawRubberBand();
    bandOnScreen_ = true;
    frontEnd_.presentCanvas();
  } else if ((mouseState_ & kMouseMiddle) && dragImage_) {
    ClearCanvas(*canvas_, att_, canvas_->width(), canvas_->height());
    Blit(*canvas_, *dragImage_, x - pressPoint_.x, y - pressPoint_.y);
    frontEnd_.presentCanvas();
  }
}

void TForm1::TwoButtonRelease(int32_t x, int32_t y, PointD p, PointD q) {
  if (bandOnScreen_) {
    DrawRubberBand();
    bandOnScreen_ = false;
    frontEnd_.presentCanvas();
  }
  // Within 5 pixels on either axis is a click. Compared in pixels: the same test as
  // |Qx - Px| <= 5 / Scale, without the rounding that can put exactly 5 pixels just over it.
  if (std::abs(x - pressPoint_.x) <= kClickPixels || std::abs(y - pressPoint_.y) <= kClickPixels) {
    navigator_.CenterAt(p);
  } else if (q.x > p.x && q.y < p.y) {
    navigator_.ZoomWindow(p, q);
  } else if (q.x < p.x && q.y > p.y) {
    navigator_.ZoomOutHalf(p, q);
  } else if (q.x > p.x && q.y > p.y) {
    navigator_.FitAll();
  } else {
    navigator_.SwapPreviousView();
  }
}

void TForm1::MiddleDragRelease(PointD p, PointD q) {
  dragImage_.reset();
  navigator_.PanBy(p.x - q.x, p.y - q.y);
}

void TForm1::PaintBox1MouseUp(int32_t x, int32_t y) {
  const ViewWindow& v = navigator_.view();
  PointD p = v.WindowToDrawing(pressPoint_.x, pressPoint_.y);
  PointD q = v.WindowToDrawing(x, y);
  if ((mouseState_ & kMouseLeft) && (mouseState_ & kMouseRight)) {
    TwoButtonRelease(x, y, p, q);
  } else if (mouseState_ & kMouseMiddle) {
    MiddleDragRelease(p, q);
  } else if (!pressMoved_ && std::abs(x - pressPoint_.x) < kPickPixels &&
             std::abs(y - pressPoint_.y) < kPickPixels) {
    // One button alone, pressed and released in place: a room is picked or skipped.
    int button = mouseState_;
    mouseState_ = 0;
    if (button == kMouseLeft || button == kMouseRight) RoomClick({x, y}, button == kMouseRight);
    return;
  }
  mouseState_ = 0;
}

}  // namespace zf61
