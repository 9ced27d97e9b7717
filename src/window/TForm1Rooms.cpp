// TForm1: rooms picked in the drawing area. A left click picks the room under the pointer in
// the current colour (again: un-picks it), a right click skips it, Delete or 選択解除 clears
// both; Enter and Shift+Enter do the clicks' work at the pointer. The rooms are found when
// first needed and kept while only the view changes. Picked rooms are shown tinted in their
// colours over the drawing, skipped ones outlined in grey; the status line tells the area of
// the room under the pointer.
#include <algorithm>
#include <cstdlib>

#include "fill/FillPainter.h"
#include "model/Numbers.h"
#include "view/CanvasPrimitives.h"
#include "view/Stroking.h"
#include "window/Captions.h"
#include "window/GenerationProgress.h"
#include "window/KeyCodes.h"
#include "window/TForm1.h"

namespace zf61 {
namespace {

// One 帖 (a tatami mat's area, as Japanese plans count rooms) in square metres.
constexpr double kSquareMetresPerTatami = 1.62;
// The tint of picked rooms over the drawing: the chosen opacity kept within these bounds, so
// that a nearly clear fill still shows and the lines under a nearly opaque one stay visible.
constexpr int kMinMarkOpacity = 80;
constexpr int kMaxMarkOpacity = 160;
constexpr Colour kSkippedColour = MakeColour(128, 128, 128);
constexpr int kSkippedOpacity = 64;
constexpr int32_t kMarkPenWidth = 2;

// Half way to black: an outline that shows a light colour on white paper.
Colour Darker(Colour c) {
  return MakeColour(RedOf(c) / 2, GreenOf(c) / 2, BlueOf(c) / 2);
}

void Outline(DrawContext& ctx, const std::vector<ClosedRegion>& rings) {
  for (const ClosedRegion& ring : rings) {
    for (size_t i = 0; i + 1 < ring.points.size(); ++i) {
      const PointD &a = ring.points[i], &b = ring.points[i + 1];
      DrawClippedLine(ctx, a.x, a.y, b.x, b.y);
    }
  }
}

}  // namespace

bool TForm1::RoomsWanted() const {
  return frontEnd_.selectedItem(ChoiceControl::ComboBox2) == 1 && ready_;
}

bool TForm1::EnsureRooms(const RegionQuery& query, TraceProgress* progress) {
  if (roomSelection_ && SameRooms(roomSelection_->query(), query)) return true;
  roomSelection_.reset();
  roomUnderPointer_.reset();
  RegionQuery withEnds = query;
  withEnds.openEnds = true;  // for 確認, which shows them from the same rooms
  FoundRegions found;
  if (!FindRegions(withEnds, store_, att_, tracer_, services_.rooms, progress, found)) {
    return false;
  }
  roomSelection_.emplace(query, std::move(found),
                         RealScale::OfDrawing(store_, att_, query.divisions));
  return true;
}

void TForm1::ControlsChanged() {
  if (!roomSelection_ || SameRooms(roomSelection_->query(), CurrentQuery())) return;
  bool hadPicks = !roomSelection_->picks().empty();
  roomSelection_.reset();
  roomUnderPointer_.reset();
  if (!hadPicks) return;
  frontEnd_.setText(TextControl::LabelA1, kStatusRoomsFoundAgain);
  ShowMarks();
}

void TForm1::Button7Click() {
  if (roomSelection_) roomSelection_->picks().clear();
  frontEnd_.setText(TextControl::LabelA1, kStatusPicksCleared);
  ShowMarks();
}

std::string TForm1::RoomStatus(std::optional<size_t> room) const {
  std::string status;
  if (room) {
    double m2 = roomSelection_->realArea(*room);
    status = kStatusRoom + FormatFixed(2, m2) + kStatusSquareMetres +
             FormatFixed(2, m2 / kSquareMetresPerTatami) + kStatusTatami;
  }
  const RoomPicks& picks = roomSelection_->picks();
  if (picks.pickedCount() > 0) {
    if (!status.empty()) status += kStatusSeparator;
    status += kStatusPicked + std::to_string(picks.pickedCount()) + kStatusPickedRooms +
              std::to_string(picks.colourCount()) + kStatusPickedColours;
  }
  if (picks.skippedCount() > 0) {
    if (!status.empty()) status += kStatusSeparator;
    status += kStatusSkipped + std::to_string(picks.skippedCount()) + kStatusSkippedRooms;
  }
  return status.empty() ? kStatusBlank : status;
}

// The first click finds the rooms (a long task that Esc stops, as for a picture); later ones
// only look them up.
void TForm1::RoomClick(PixelPoint at, bool skip) {
  if (!RoomsWanted()) return;
  RegionQuery query = QueryFromControls(false);
  if (!roomSelection_ || !SameRooms(roomSelection_->query(), query)) {
    BeginLongTask(kStatusSearchingRooms);
    GenerationProgress progress(services_.clock, services_.esc, frontEnd_);
    bool found = EnsureRooms(query, &progress);
    EndLongTask(found ? kStatusBlank : kStatusStopped);
    if (!found) return;
  }
  PointD p = navigator_.view().WindowToDrawing(at.x, at.y);
  std::optional<RoomPicks::Change> change =
      skip ? roomSelection_->skipAt(p) : roomSelection_->pickAt(p, fillColour_);
  roomUnderPointer_ = roomSelection_->roomAt(p);
  frontEnd_.setText(TextControl::LabelA1,
                    change ? RoomStatus(roomUnderPointer_) : std::string(kStatusNoRoom));
  if (change) ShowMarks();
}

void TForm1::ShowRoomUnder(PixelPoint at) {
  if (!roomSelection_ || !RoomsWanted() || !SameRooms(roomSelection_->query(), CurrentQuery())) {
    return;
  }
  std::optional<size_t> room =
      roomSelection_->roomAt(navigator_.view().WindowToDrawing(at.x, at.y));
  if (room == roomUnderPointer_) return;
  roomUnderPointer_ = room;
  frontEnd_.setText(TextControl::LabelA1, RoomStatus(room));
}

// Enter picks the room under the pointer, Shift+Enter skips it, Delete clears the picks: in
// 部屋 only, and not while a field or a list has the focus, which take these keys themselves.
bool TForm1::RoomKey(int key, bool shift) {
  if (!RoomsWanted() || frontEnd_.controlTakesKeys()) return false;
  if (key == kVkDelete) {
    Button7Click();
    return true;
  }
  std::optional<PixelPoint> at = frontEnd_.pointerInDrawingArea();
  if (!at) return false;
  RoomClick(*at, shift);
  return true;
}

// The drawing area as the back buffer holds it, with the marks over it.
void TForm1::ShowMarks() {
  if (!backBuffer_) return;
  PaintBox1Paint();
  frontEnd_.presentCanvas();
}

void TForm1::DrawRoomMarks() {
  if (!roomSelection_ || roomSelection_->picks().empty() || !RoomsWanted()) return;
  Canvas& canvas = *canvas_;
  const ViewWindow& view = navigator_.view();
  int opacity = std::clamp(ParseInt(TextOf(TextControl::Edit2)), kMinMarkOpacity, kMaxMarkOpacity);
  // With skips alone a plan would hold every other room: only picked rooms are tinted.
  FillPlan tint;
  if (roomSelection_->picks().pickedCount() > 0) tint = roomSelection_->plan(fillColour_, opacity);
  FillPainter painter(view);
  painter.BeginGraphics(canvas);
  painter.PaintPlan(tint);
  // The skipped rooms as if picked in grey (with none, a plan would paint every room).
  RoomPicks skippedOnly;
  for (size_t room : roomSelection_->picks().skipped()) skippedOnly.pick(room, kSkippedColour);
  FillPlan skipped;
  if (!skippedOnly.empty()) {
    skipped = MakeFillPlan(roomSelection_->rooms(), &skippedOnly, kSkippedColour, kSkippedOpacity);
  }
  painter.PaintPlan(skipped);
  painter.EndGraphics();
  DrawContext ctx(canvas, view, att_);
  for (const FillLayer& layer : tint.layers) {
    SetPen(canvas, Darker(layer.colour), 0, kMarkPenWidth);
    Outline(ctx, layer.rings);
  }
  for (const FillLayer& layer : skipped.layers) {
    SetPen(canvas, kSkippedColour, 0, kMarkPenWidth);
    Outline(ctx, layer.rings);
  }
}

}  // namespace zf61
