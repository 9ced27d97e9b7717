// A uniform grid over a group's pieces: every cell lists the pieces that pass through it, so
// that the pieces near a point are found without looking at the others. Cells are a little
// generous at their edges, so that rounding never hides a piece from a query.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/Rooms.h"

namespace zf61::rooms {

class PieceGrid {
 public:
  // A grid fit for queries of up to `reach` around a point.
  PieceGrid(const std::vector<RoomPiece>& pieces, double reach);

  // Every piece that may pass within `radius` of `p`, each once, in increasing order. (A piece
  // that does not is sometimes listed too.)
  void near(PointD p, double radius, std::vector<uint32_t>& out) const;

 private:
  int64_t column(double x) const;
  int64_t row(double y) const;
  template <class Visit>
  void forEachCell(const RoomPiece& piece, Visit visit) const;

  // Cells are counted from the lower left corner of the pieces' box. Coordinates are halved
  // before they are subtracted, so that no difference of finite numbers overflows.
  double halfLeft_ = 0, halfBottom_ = 0, halfCell_ = 1;
  double slack_ = 0;  // how far a cell reaches beyond its edges, in halved units
  int64_t columns_ = 1, rows_ = 1;
  std::vector<uint32_t> first_;   // cell -> its first entry in pieces_; one more at the end
  std::vector<uint32_t> pieces_;  // the pieces of each cell, cell after cell
};

}  // namespace zf61::rooms
