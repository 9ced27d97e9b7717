#include "rooms/PieceGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zf61::rooms {
namespace {

// At most this many cells a piece on average, and this many pieces' worth of entries for the
// lengths of all pieces: long walls then get larger cells rather than a great many entries.
constexpr double kCellsPerPiece = 4.0;
constexpr double kEntriesPerPiece = 6.0;
// How far cells reach beyond their edges, as a fraction of a cell, for rounding in the
// clipping of a piece to a row.
constexpr double kCellSlack = 1e-6;

struct Box {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  void add(const PointD& p) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
};

}  // namespace

PieceGrid::PieceGrid(const std::vector<RoomPiece>& pieces, double reach) {
  Box box;
  double halfLength = 0.0;
  for (const RoomPiece& piece : pieces) {
    box.add(piece.a), box.add(piece.b);
    halfLength += std::fabs(piece.a.x * 0.5 - piece.b.x * 0.5);
    halfLength += std::fabs(piece.a.y * 0.5 - piece.b.y * 0.5);
  }
  first_.assign(2, 0);
  if (pieces.empty()) return;
  halfLeft_ = box.minX * 0.5, halfBottom_ = box.minY * 0.5;
  const double halfWidth = box.maxX * 0.5 - halfLeft_, halfHeight = box.maxY * 0.5 - halfBottom_;
  const double n = static_cast<double>(pieces.size());
  const double halfSize = std::max(halfWidth, halfHeight);
  halfCell_ = std::max({std::sqrt(halfWidth) * std::sqrt(halfHeight / n), halfSize / n,
                        halfLength / (kEntriesPerPiece * n), reach * 0.5, halfSize * 1e-12,
                        std::numeric_limits<double>::min()});
  auto count = [&](double halfExtent) { return std::floor(halfExtent / halfCell_) + 1.0; };
  while (count(halfWidth) * count(halfHeight) > kCellsPerPiece * n + 16.0) halfCell_ *= 1.5;
  columns_ = static_cast<int64_t>(count(halfWidth));
  rows_ = static_cast<int64_t>(count(halfHeight));
  const double halfMagnitude = std::max({std::fabs(box.minX), std::fabs(box.maxX),
                                         std::fabs(box.minY), std::fabs(box.maxY)}) *
                               0.5;
  slack_ = halfCell_ * kCellSlack + 16.0 * std::numeric_limits<double>::epsilon() * halfMagnitude;

  // Counted, then filled: each cell's pieces in one run, in the order of the pieces.
  first_.assign(static_cast<size_t>(columns_ * rows_) + 1, 0);
  for (const RoomPiece& piece : pieces)
    forEachCell(piece, [&](size_t cell) { ++first_[cell + 1]; });
  for (size_t cell = 1; cell < first_.size(); ++cell) first_[cell] += first_[cell - 1];
  pieces_.resize(first_.back());
  std::vector<uint32_t> next(first_.begin(), first_.end() - 1);
  for (size_t i = 0; i < pieces.size(); ++i) {
    forEachCell(pieces[i], [&](size_t cell) { pieces_[next[cell]++] = static_cast<uint32_t>(i); });
  }
}

int64_t PieceGrid::column(double halfX) const {
  double c = std::floor(halfX / halfCell_);
  if (!(c > 0.0)) return 0;
  return c >= static_cast<double>(columns_ - 1) ? columns_ - 1 : static_cast<int64_t>(c);
}

int64_t PieceGrid::row(double halfY) const {
  double r = std::floor(halfY / halfCell_);
  if (!(r > 0.0)) return 0;
  return r >= static_cast<double>(rows_ - 1) ? rows_ - 1 : static_cast<int64_t>(r);
}

// The cells a piece passes through: row by row, the part of the piece inside the row's band.
template <class Visit>
void PieceGrid::forEachCell(const RoomPiece& piece, Visit visit) const {
  const double ax = piece.a.x * 0.5 - halfLeft_, ay = piece.a.y * 0.5 - halfBottom_;
  const double bx = piece.b.x * 0.5 - halfLeft_, by = piece.b.y * 0.5 - halfBottom_;
  const double lowY = std::min(ay, by), highY = std::max(ay, by);
  const double lowX = std::min(ax, bx), highX = std::max(ax, bx);
  const int64_t firstRow = row(lowY - slack_), lastRow = row(highY + slack_);
  for (int64_t r = firstRow; r <= lastRow; ++r) {
    double from = lowX, to = highX;
    if (firstRow != lastRow && ay != by) {
      // The piece between the band's edges (the first and last rows reach to the ends).
      double bandLow = r == firstRow ? lowY : static_cast<double>(r) * halfCell_ - slack_;
      double bandHigh = r == lastRow ? highY : static_cast<double>(r + 1) * halfCell_ + slack_;
      double slope = (bx - ax) / (by - ay);
      double x1 = ax + (std::clamp(bandLow, lowY, highY) - ay) * slope;
      double x2 = ax + (std::clamp(bandHigh, lowY, highY) - ay) * slope;
      from = std::clamp(std::min(x1, x2), lowX, highX);
      to = std::clamp(std::max(x1, x2), lowX, highX);
    }
    const int64_t firstColumn = column(from - slack_), lastColumn = column(to + slack_);
    for (int64_t c = firstColumn; c <= lastColumn; ++c) {
      visit(static_cast<size_t>(r * columns_ + c));
    }
  }
}

void PieceGrid::near(PointD p, double radius, std::vector<uint32_t>& out) const {
  out.clear();
  const double hx = p.x * 0.5 - halfLeft_, hy = p.y * 0.5 - halfBottom_;
  const double reach = radius * 0.5 + slack_;
  const int64_t firstColumn = column(hx - reach), lastColumn = column(hx + reach);
  const int64_t firstRow = row(hy - reach), lastRow = row(hy + reach);
  for (int64_t r = firstRow; r <= lastRow; ++r) {
    for (int64_t c = firstColumn; c <= lastColumn; ++c) {
      size_t cell = static_cast<size_t>(r * columns_ + c);
      out.insert(out.end(), pieces_.begin() + first_[cell], pieces_.begin() + first_[cell + 1]);
    }
  }
  if (firstRow != lastRow || firstColumn != lastColumn) {
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }
}

}  // namespace zf61::rooms
