// The second way of filling, chosen by the user: rooms. Every bounded face of the planar
// arrangement of the drawing's lines and chords is a room, painted once with its holes,
// whatever meets in mid-line, overlaps or repeats. The arrangement itself is built by a
// geometry library behind RoomFinder; this side chooses the pieces and keeps the results.
#pragma once

#include <cstddef>
#include <vector>

#include "fill/TraceProgress.h"
#include "fill/TraceTypes.h"
#include "model/DrawingStore.h"
#include "model/UnitGraAtt.h"

namespace zf61 {

// A straight piece of the drawing in display units: a line, or a chord of a circle, an ellipse
// or an arc.
struct RoomPiece {
  PointD a, b;
};

struct Rooms {
  // Each room's outer ring followed by the rings of its holes, every ring closed by its points.
  std::vector<ClosedRegion> rings;
  size_t roomCount = 0;
  // Where each room's rings begin in `rings` (its outer ring), room by room: room i has the
  // rings from outerRings[i] up to outerRings[i + 1] (or the end).
  std::vector<size_t> outerRings;
  // Ends that meet nothing within the gap: where a room does not close.
  std::vector<PointD> openEnds;
};

class RoomFinder {
 public:
  virtual ~RoomFinder() = default;
  // The rooms of the pieces, ends within `gap` (and always those within the point tolerance,
  // which meet for the tracer too) of another end or piece joined first. False when `progress`
  // asked to stop; `rooms` is then empty.
  virtual bool findRooms(const std::vector<RoomPiece>& pieces, double gap, TraceProgress* progress,
                         Rooms& rooms) = 0;
};

// The pieces of the figures that take part in tracing (lines, circles, arcs and ellipses, not on
// a hidden layer nor "z3"), each divided by its group's divisor, curves as n chords each. Pieces
// of no length and pieces with a coordinate that is not a finite number are left out. With
// `groups`, the layer group of each piece's figure, piece by piece.
std::vector<RoomPiece> CollectRoomPieces(const DrawingStore& store, const TgraAttribute& att, int n,
                                         std::vector<int>* groups = nullptr);

// The ends of the tracer's chains that meet no other end: where a closed chain cannot be found.
std::vector<PointD> OpenChainEnds(const DrawingStore& store, const TgraAttribute& att);

}  // namespace zf61
