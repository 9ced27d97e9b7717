#include "output/AreaLabels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

#include "model/Geometry.h"

namespace zf61 {
namespace {

// Cells examined at most while looking for a room's pole.
constexpr int kMaxCells = 4096;

double Cross(PointD o, PointD a, PointD b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool InPiece(const SolidPiece& piece, PointD p) {
  for (int k = 0; k < piece.count; ++k) {
    if (Cross(piece.corners[k], piece.corners[(k + 1) % piece.count], p) < 0) return false;
  }
  return true;
}

// Distance to the nearest wall: positive inside the part, negative outside.
class PartShape {
 public:
  PartShape(const PaintedPart& part, const std::vector<const SolidPiece*>& pieces)
      : part_(part), pieces_(pieces) {}

  bool inside(PointD p) const {
    return std::any_of(pieces_.begin(), pieces_.end(),
                       [&](const SolidPiece* piece) { return InPiece(*piece, p); });
  }
  double distance(PointD p) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const auto& wall : part_.boundary) {
      nearest = std::min(nearest, SegmentDistance(p, wall[0], wall[1]));
    }
    return inside(p) ? nearest : -nearest;
  }
  // Whether a wall passes through the box's inside or along into it.
  bool wallCrosses(PointD low, PointD high) const {
    for (const auto& wall : part_.boundary) {
      if (SegmentMeetsBox(wall[0], wall[1], low, high)) return true;
    }
    return false;
  }

 private:
  // Liang-Barsky clipping of the segment to the open box.
  static bool SegmentMeetsBox(PointD a, PointD b, PointD low, PointD high) {
    double t0 = 0, t1 = 1, dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - low.x, high.x - a.x, a.y - low.y, high.y - a.y};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0) {
        if (q[i] <= 0) return false;
        continue;
      }
      double r = q[i] / p[i];
      if (p[i] < 0) t0 = std::max(t0, r);
      if (p[i] > 0) t1 = std::min(t1, r);
    }
    return t0 < t1;
  }

  const PaintedPart& part_;
  const std::vector<const SolidPiece*>& pieces_;
};

struct Bounds {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};

Bounds BoundsOf(const PaintedPart& part) {
  Bounds b;
  for (const auto& wall : part.boundary) {
    for (const PointD& p : wall) {
      b.minX = std::min(b.minX, p.x), b.maxX = std::max(b.maxX, p.x);
      b.minY = std::min(b.minY, p.y), b.maxY = std::max(b.maxY, p.y);
    }
  }
  return b;
}

struct Cell {
  PointD centre;
  double half;      // half its side
  double distance;  // from its centre to the nearest wall
  double best() const { return distance + half * std::sqrt(2.0); }
  bool operator<(const Cell& other) const { return best() < other.best(); }
};

// The point of the part farthest from its walls, to within `precision`.
PointD Pole(const PartShape& shape, const Bounds& b, double precision) {
  PointD middle{(b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2};
  // Square cells as wide as the part is narrow, but not so many that a sliver of a part costs
  // more than the search may.
  double side =
      std::max(std::min(b.width(), b.height()), std::max(b.width(), b.height()) / kMaxCells);
  if (!(side > 0) || !std::isfinite(side)) return middle;
  std::priority_queue<Cell> cells;
  auto add = [&](PointD c, double half) { cells.push({c, half, shape.distance(c)}); };
  int columns = static_cast<int>(std::ceil(b.width() / side));
  int rows = static_cast<int>(std::ceil(b.height() / side));
  for (int i = 0; i < std::max(columns, 1); ++i) {
    for (int j = 0; j < std::max(rows, 1); ++j) {
      add({b.minX + (i + 0.5) * side, b.minY + (j + 0.5) * side}, side / 2);
    }
  }
  Cell best{middle, 0, 0};
  best.distance = shape.distance(best.centre);
  for (int examined = 0; !cells.empty() && examined < kMaxCells; ++examined) {
    Cell cell = cells.top();
    cells.pop();
    if (cell.distance > best.distance) best = cell;
    if (cell.best() - best.distance <= precision) continue;
    double h = cell.half / 2;
    for (double dx : {-h, h}) {
      for (double dy : {-h, h}) add({cell.centre.x + dx, cell.centre.y + dy}, h);
    }
  }
  return best.centre;
}

bool IsFullWidth(char32_t c) {
  return !(c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F));  // ASCII and half-width kana are narrow
}

}  // namespace

TextBox LabelBox(const DrawingSettings& settings, std::string_view utf8) {
  const FirstValues& first = settings.first;
  TextStyle style{first.styleCharWidth, first.styleCharHeight, first.styleCharSpacing, 0};
  if (first.styleNumber >= 1 && first.styleNumber <= kTextStyleCount) {
    style = settings.textStyles[first.styleNumber - 1];
  }
  double halves = 0;
  int characters = 0;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = lead < 0x80 ? lead : (lead & (0x3F >> (length - 1)));
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    halves += IsFullWidth(c) ? 2 : 1;
    ++characters;
    i += length;
  }
  double width = halves * style.width / 2 + std::max(characters - 1, 0) * style.spacing;
  return {width, style.height};
}

std::vector<std::vector<const SolidPiece*>> PiecesByPart(const SplitArea& area) {
  std::vector<std::vector<const SolidPiece*>> byPart(area.parts.size());
  for (const SolidPiece& piece : area.pieces) {
    if (piece.part < byPart.size()) byPart[piece.part].push_back(&piece);
  }
  return byPart;
}

std::optional<PointD> PlaceLabel(const PaintedPart& part,
                                 const std::vector<const SolidPiece*>& pieces, TextBox box) {
  if (part.boundary.empty() || pieces.empty() || !(box.width > 0) || !(box.height > 0)) {
    return std::nullopt;
  }
  // A part narrower than the label has no place for it.
  Bounds bounds = BoundsOf(part);
  if (!(bounds.width() >= box.width) || !(bounds.height() >= box.height)) return std::nullopt;
  PartShape shape(part, pieces);
  PointD pole = Pole(shape, bounds, box.height / 4);
  PointD low{pole.x - box.width / 2, pole.y - box.height / 2};
  PointD high{pole.x + box.width / 2, pole.y + box.height / 2};
  for (PointD corner : {low, high, PointD{low.x, high.y}, PointD{high.x, low.y}}) {
    if (!shape.inside(corner)) return std::nullopt;
  }
  if (shape.wallCrosses(low, high)) return std::nullopt;
  return low;
}

}  // namespace zf61
