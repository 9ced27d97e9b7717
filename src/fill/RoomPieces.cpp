// The pieces of the rooms, and the open ends of the chains.
#include <cmath>

#include "fill/FigurePoints.h"
#include "fill/MeetingPlaces.h"
#include "fill/Rooms.h"

namespace zf61 {
namespace {

bool Finite(const PointD& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

void AddPiece(std::vector<RoomPiece>& pieces, PointD a, PointD b) {
  if (!Finite(a) || !Finite(b) || (a.x == b.x && a.y == b.y)) return;
  pieces.push_back({a, b});
}

void AddChords(std::vector<RoomPiece>& pieces, const std::vector<PointD>& points) {
  for (size_t i = 0; i + 1 < points.size(); ++i) AddPiece(pieces, points[i], points[i + 1]);
}

// A closed curve's last point, at 360 degrees added up step by step, is only nearly its first:
// the chords are closed on the first point itself.
void AddClosedChords(std::vector<RoomPiece>& pieces, std::vector<PointD> points) {
  if (points.size() > 1) points.back() = points.front();
  AddChords(pieces, points);
}

}  // namespace

std::vector<RoomPiece> CollectRoomPieces(const DrawingStore& store, const TgraAttribute& att,
                                         int n) {
  std::vector<RoomPiece> pieces;
  for (const LineFigure& l : store.lines) {
    if (!TakesPart(att, l.header)) continue;
    double d = store.groupDivisor(l.header.group);
    AddPiece(pieces, {l.x1 / d, l.y1 / d}, {l.x2 / d, l.y2 / d});
  }
  for (const CircleFigure& c : store.circles) {
    if (TakesPart(att, c.header)) AddClosedChords(pieces, CirclePoints(store, c, n));
  }
  for (const ArcFigure& a : store.arcs) {
    if (!TakesPart(att, a.header)) continue;
    if (IsClosedCurve(a)) {
      AddClosedChords(pieces, ClosedCurvePoints(store, a, n));
      continue;
    }
    std::vector<PointD> points;
    AppendArcPoints(store, a, n, false, true, points);
    AddChords(pieces, points);
  }
  return pieces;
}

std::vector<PointD> OpenChainEnds(const DrawingStore& store, const TgraAttribute& att) {
  std::vector<TraceSegment> segments;
  for (const LineFigure& l : store.lines) {
    if (!TakesPart(att, l.header)) continue;
    double d = store.groupDivisor(l.header.group);
    segments.push_back(
        {SegmentState::Free, SegmentKind::Line, 0, l.x1 / d, l.y1 / d, l.x2 / d, l.y2 / d});
  }
  for (const ArcFigure& a : store.arcs) {
    if (!TakesPart(att, a.header) || IsClosedCurve(a)) continue;
    PointD s = ArcPoint(store, a, a.startAngle), e = ArcPoint(store, a, a.endAngle);
    segments.push_back({SegmentState::Free, SegmentKind::Arc, 0, s.x, s.y, e.x, e.y});
  }
  int32_t count = 0;
  std::vector<int32_t> place = NumberPlaces(segments, count);
  std::vector<int32_t> endsAt(static_cast<size_t>(count), 0);
  for (int32_t p : place) ++endsAt[p];
  std::vector<PointD> open;
  for (size_t e = 0; e < place.size(); ++e) {
    if (endsAt[place[e]] != 1) continue;
    const TraceSegment& s = segments[e / 2];
    PointD p = e % 2 ? PointD{s.endX, s.endY} : PointD{s.startX, s.startY};
    if (Finite(p)) open.push_back(p);
  }
  return open;
}

}  // namespace zf61
