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

// Pieces as they are collected, with the layer group of each where the caller asks for it.
struct PieceList {
  std::vector<RoomPiece>& pieces;
  std::vector<int>* groups;
  int group = 0;

  void add(PointD a, PointD b) {
    if (!Finite(a) || !Finite(b) || (a.x == b.x && a.y == b.y)) return;
    pieces.push_back({a, b});
    if (groups) groups->push_back(group);
  }
  void addChords(const std::vector<PointD>& points) {
    for (size_t i = 0; i + 1 < points.size(); ++i) add(points[i], points[i + 1]);
  }
  // A closed curve's last point, at 360 degrees added up step by step, is only nearly its
  // first: the chords are closed on the first point itself.
  void addClosedChords(std::vector<PointD> points) {
    if (points.size() > 1) points.back() = points.front();
    addChords(points);
  }
};

}  // namespace

std::vector<RoomPiece> CollectRoomPieces(const DrawingStore& store, const TgraAttribute& att, int n,
                                         std::vector<int>* groups) {
  std::vector<RoomPiece> pieces;
  if (groups) groups->clear();
  PieceList list{pieces, groups};
  for (const LineFigure& l : store.lines) {
    if (!TakesPart(att, l.header)) continue;
    double d = store.groupDivisor(l.header.group);
    list.group = l.header.group;
    list.add({l.x1 / d, l.y1 / d}, {l.x2 / d, l.y2 / d});
  }
  for (const CircleFigure& c : store.circles) {
    if (!TakesPart(att, c.header)) continue;
    list.group = c.header.group;
    list.addClosedChords(CirclePoints(store, c, n));
  }
  for (const ArcFigure& a : store.arcs) {
    if (!TakesPart(att, a.header)) continue;
    list.group = a.header.group;
    if (IsClosedCurve(a)) {
      list.addClosedChords(ClosedCurvePoints(store, a, n));
      continue;
    }
    std::vector<PointD> points;
    AppendArcPoints(store, a, n, false, true, points);
    list.addChords(points);
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
