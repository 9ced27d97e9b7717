// A grid over the pieces: the cells near a place hold the pieces that can be nearest to it.
#include "fill/RealScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zf61 {
namespace {

// A piece whose box covers more cells than this is kept aside and tried for every place.
constexpr int64_t kMaxCellsPerPiece = 64;
constexpr double kCellLimit = 0x1p40;
// Rings of cells walked at most; a place farther from the pieces than this compares them all.
constexpr int64_t kMaxRingsWalked = 4096;

double DistanceToPiece(PointD p, const RoomPiece& piece) {
  double dx = piece.b.x - piece.a.x, dy = piece.b.y - piece.a.y;
  double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - piece.a.x) * dx + (p.y - piece.a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (piece.a.x + t * dx), p.y - (piece.a.y + t * dy));
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

RealScale::RealScale(std::vector<RoomPiece> pieces, std::vector<double> scales)
    : pieces_(std::move(pieces)), scales_(std::move(scales)) {
  if (pieces_.empty()) return;
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (const RoomPiece& p : pieces_) {
    minX = std::min({minX, p.a.x, p.b.x}), maxX = std::max({maxX, p.a.x, p.b.x});
    minY = std::min({minY, p.a.y, p.b.y}), maxY = std::max({maxY, p.a.y, p.b.y});
  }
  originX_ = minX, originY_ = minY;
  double extent = std::max(maxX - minX, maxY - minY);
  cell_ = std::max(extent / std::sqrt(static_cast<double>(pieces_.size())), 1e-300);
  if (!std::isfinite(cell_)) cell_ = 1.0;
  lastCellX_ = cellOf(maxX, originX_), lastCellY_ = cellOf(maxY, originY_);
  for (uint32_t i = 0; i < pieces_.size(); ++i) {
    const RoomPiece& p = pieces_[i];
    int64_t x0 = cellOf(std::min(p.a.x, p.b.x), originX_);
    int64_t x1 = cellOf(std::max(p.a.x, p.b.x), originX_);
    int64_t y0 = cellOf(std::min(p.a.y, p.b.y), originY_);
    int64_t y1 = cellOf(std::max(p.a.y, p.b.y), originY_);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCellsPerPiece) {
      spanning_.push_back(i);
      continue;
    }
    for (int64_t cx = x0; cx <= x1; ++cx) {
      for (int64_t cy = y0; cy <= y1; ++cy) cells_[cellKey(cx, cy)].push_back(i);
    }
  }
}

int64_t RealScale::cellOf(double v, double origin) const {
  return static_cast<int64_t>(
      std::clamp(std::floor((v - origin) / cell_), -kCellLimit, kCellLimit));
}

int64_t RealScale::cellKey(int64_t cx, int64_t cy) const {
  return static_cast<int64_t>(static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ULL ^
                              static_cast<uint64_t>(cy));
}

// The nearest piece among the cells at exactly `reach` cells from (cx, cy) (a square ring).
double RealScale::nearestInCells(PointD p, int64_t cx, int64_t cy, int64_t reach,
                                 size_t& best) const {
  double nearest = std::numeric_limits<double>::infinity();
  auto visit = [&](int64_t x, int64_t y) {
    auto found = cells_.find(cellKey(x, y));
    if (found == cells_.end()) return;
    for (uint32_t i : found->second) {
      double d = DistanceToPiece(p, pieces_[i]);
      if (d < nearest) nearest = d, best = i;
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
  if (pieces_.empty() || !std::isfinite(p.x) || !std::isfinite(p.y)) return 1.0;
  size_t best = 0;
  double nearest = std::numeric_limits<double>::infinity();
  auto consider = [&](uint32_t i) {
    double d = DistanceToPiece(p, pieces_[i]);
    if (d < nearest) nearest = d, best = i;
  };
  for (uint32_t i : spanning_) consider(i);
  int64_t cx = cellOf(p.x, originX_), cy = cellOf(p.y, originY_);
  int64_t farthest =
      std::max({std::abs(cx), std::abs(cy), std::abs(cx - lastCellX_), std::abs(cy - lastCellY_)});
  if (farthest > kMaxRingsWalked) {
    // Far outside the pieces (no room asks there): every piece once.
    for (uint32_t i = 0; i < pieces_.size(); ++i) consider(i);
    return scales_[best];
  }
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
