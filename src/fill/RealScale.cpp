// A grid over the pieces: the cells near a place hold the pieces that can be nearest to it.
#include "fill/RealScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Geometry.h"

namespace zf61 {
namespace {

// A piece whose box covers more cells than this is kept aside and tried for every place.
constexpr int64_t kMaxCellsPerPiece = 64;

bool Finite(const RoomPiece& p) {
  return std::isfinite(p.a.x) && std::isfinite(p.a.y) && std::isfinite(p.b.x) &&
         std::isfinite(p.b.y);
}

double DistanceToPiece(PointD p, const RoomPiece& piece) {
  return SegmentDistance(p, piece.a, piece.b);
}

}  // namespace

RealScale RealScale::OfDrawing(const DrawingStore& store, const TgraAttribute& att, int n) {
  std::vector<int> groups;
  std::vector<RoomPiece> pieces = CollectRoomPieces(store, att, n, &groups);
  std::vector<double> scales;
  scales.reserve(groups.size());
  for (int g : groups) {
    double s = g >= 0 && g < kGroupCount ? store.settings.groupScale[g] : 1.0;
    scales.push_back(std::isfinite(s) && s > 0 ? s : 1.0);
  }
  return RealScale(std::move(pieces), std::move(scales));
}

// The cells are a dense array, rows of columns, about as many as there are pieces; each holds
// the pieces whose boxes reach it, listed one cell after another.
RealScale::RealScale(std::vector<RoomPiece> pieces, std::vector<double> scales)
    : pieces_(std::move(pieces)), scales_(std::move(scales)) {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  size_t finite = 0;
  for (const RoomPiece& p : pieces_) {
    if (!Finite(p)) continue;  // never the nearest
    ++finite;
    minX = std::min({minX, p.a.x, p.b.x}), maxX = std::max({maxX, p.a.x, p.b.x});
    minY = std::min({minY, p.a.y, p.b.y}), maxY = std::max({maxY, p.a.y, p.b.y});
  }
  if (finite == 0) return;
  originX_ = minX, originY_ = minY;
  // In halves, so that pieces spread over all that doubles hold give a finite cell.
  const double halfExtent = std::max(maxX / 2 - minX / 2, maxY / 2 - minY / 2);
  const double side = std::sqrt(static_cast<double>(finite));
  cell_ = std::max(2 * (halfExtent / side), 1e-300);
  const auto cellsAlong = [&](double from, double to) {
    return static_cast<int64_t>(std::min(std::floor((to / 2 - from / 2) / (cell_ / 2)), side)) + 1;
  };
  cellsX_ = cellsAlong(minX, maxX), cellsY_ = cellsAlong(minY, maxY);
  fillCells();
}

void RealScale::fillCells() {
  cellStart_.assign(static_cast<size_t>(cellsX_ * cellsY_) + 1, 0);
  std::vector<size_t> next;  // where each cell's next piece goes
  // Twice over the pieces: first counting each cell's pieces, then listing them.
  for (int pass = 0; pass < 2; ++pass) {
    for (uint32_t i = 0; i < pieces_.size(); ++i) {
      const RoomPiece& p = pieces_[i];
      if (!Finite(p)) continue;
      const int64_t x0 = cellOf(std::min(p.a.x, p.b.x), originX_, cellsX_);
      const int64_t x1 = cellOf(std::max(p.a.x, p.b.x), originX_, cellsX_);
      const int64_t y0 = cellOf(std::min(p.a.y, p.b.y), originY_, cellsY_);
      const int64_t y1 = cellOf(std::max(p.a.y, p.b.y), originY_, cellsY_);
      if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCellsPerPiece) {
        if (pass == 0) spanning_.push_back(i);
        continue;
      }
      for (int64_t cy = y0; cy <= y1; ++cy) {
        for (int64_t cx = x0; cx <= x1; ++cx) {
          const size_t cell = static_cast<size_t>(cy * cellsX_ + cx);
          if (pass == 0) {
            ++cellStart_[cell + 1];
          } else {
            cellPieces_[next[cell]++] = i;
          }
        }
      }
    }
    if (pass == 0) {
      for (size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
      cellPieces_.resize(cellStart_.back());
      next.assign(cellStart_.begin(), cellStart_.end() - 1);
    }
  }
}

// The cell of a coordinate, held to the grid: a place outside it is looked up from the nearest
// cell inside, which is no farther from any piece's cell than its own would be, so the walk
// outwards still stops only when nothing nearer is left.
int64_t RealScale::cellOf(double v, double origin, int64_t cells) const {
  const double cell = std::floor((v / 2 - origin / 2) / (cell_ / 2));
  return static_cast<int64_t>(std::clamp(cell, 0.0, static_cast<double>(cells - 1)));
}

// The nearest piece among the cells at exactly `reach` cells from (cx, cy) (a square ring).
double RealScale::nearestInCells(PointD p, int64_t cx, int64_t cy, int64_t reach,
                                 size_t& best) const {
  double nearest = std::numeric_limits<double>::infinity();
  auto visit = [&](int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= cellsX_ || y >= cellsY_) return;
    const size_t cell = static_cast<size_t>(y * cellsX_ + x);
    for (size_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
      double d = DistanceToPiece(p, pieces_[cellPieces_[k]]);
      if (d < nearest) nearest = d, best = cellPieces_[k];
    }
  };
  // The ring's left and right columns whole, and the top and bottom cells between them.
  for (int64_t x = cx - reach; x <= cx + reach; ++x) {
    const bool side = x == cx - reach || x == cx + reach;
    const int64_t step = side || reach == 0 ? 1 : 2 * reach;
    for (int64_t y = cy - reach; y <= cy + reach; y += step) visit(x, y);
  }
  return nearest;
}

double RealScale::scaleAt(PointD p) const {
  if (cellStart_.empty() || !std::isfinite(p.x) || !std::isfinite(p.y)) return 1.0;
  size_t best = 0;
  double nearest = std::numeric_limits<double>::infinity();
  for (uint32_t i : spanning_) {
    double d = DistanceToPiece(p, pieces_[i]);
    if (d < nearest) nearest = d, best = i;
  }
  const int64_t cx = cellOf(p.x, originX_, cellsX_), cy = cellOf(p.y, originY_, cellsY_);
  const int64_t farthest = std::max({cx, cy, cellsX_ - 1 - cx, cellsY_ - 1 - cy});
  // Rings of cells outwards until the next ring cannot hold anything nearer. Rooms ask about
  // points on their walls, found in the first ring.
  for (int64_t reach = 0; reach <= farthest; ++reach) {
    if (nearest < static_cast<double>(reach - 1) * cell_) break;
    size_t candidate = 0;
    double d = nearestInCells(p, cx, cy, reach, candidate);
    if (d < nearest) nearest = d, best = candidate;
  }
  return std::isfinite(nearest) ? scales_[best] : 1.0;
}

double RealSquareMetres(double displayArea, double scale) {
  return displayArea * scale * scale / 1e6;
}

}  // namespace zf61
