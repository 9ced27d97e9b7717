// The real size of what is painted: a region or a room is measured in display units, and its
// real area needs the scale of the layer group its walls were drawn in. Groups of one drawing
// may have different scales (a plan at 1:100 beside a detail at 1:20), so the scale is taken
// from the piece of wall nearest to the place asked about.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/Rooms.h"

namespace zf61 {

class RealScale {
 public:
  RealScale() = default;
  // The pieces that rooms and regions are made of, with the scale of each piece's group.
  RealScale(std::vector<RoomPiece> pieces, std::vector<double> scales);
  // The pieces of the drawing's figures that take part, at n chords per curve.
  static RealScale OfDrawing(const DrawingStore& store, const TgraAttribute& att, int n);

  // The scale of the piece nearest to `p`; 1 where there is no piece.
  double scaleAt(PointD p) const;

 private:
  void fillCells();
  int64_t cellOf(double v, double origin, int64_t cells) const;
  double nearestInCells(PointD p, int64_t cx, int64_t cy, int64_t reach, size_t& best) const;

  std::vector<RoomPiece> pieces_;
  std::vector<double> scales_;
  double originX_ = 0, originY_ = 0, cell_ = 1;
  int64_t cellsX_ = 0, cellsY_ = 0;
  std::vector<size_t> cellStart_;     // where each cell's pieces begin in cellPieces_, and the end
  std::vector<uint32_t> cellPieces_;  // the cells' pieces, cell after cell
  std::vector<uint32_t> spanning_;    // pieces over too many cells, tried everywhere
};

// Square metres from an area in display units at a group's scale (drawing units are mm).
double RealSquareMetres(double displayArea, double scale);

}  // namespace zf61
