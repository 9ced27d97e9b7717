#include "output/SolidHandBack.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "exchange/ExchangeWriter.h"
#include "exchange/SolidCorners.h"
#include "model/Geometry.h"
#include "model/Numbers.h"
#include "output/AreaLabels.h"

namespace zf61 {
namespace {

int OverWhite(int channel, int opacity) {
  return static_cast<int>(RoundHalfAway(255.0 + (channel - 255) * opacity / 255.0));
}

// The record of a piece as Jw_cad will read it back: corners that its numbers make one corner
// are written once (a quadrangle becomes a triangle), and a piece left with fewer than three
// corners, or with no area, covers nothing and is not written.
std::optional<std::string> SolidRecord(const SolidPiece& piece) {
  std::vector<std::pair<std::string, std::string>> texts;
  std::vector<PointD> read;
  for (int k = 0; k < piece.count; ++k) {
    std::string x = FormatGeneral(piece.corners[k].x), y = FormatGeneral(piece.corners[k].y);
    PointD p{ParseFloat(x), ParseFloat(y)};
    bool repeated = std::any_of(read.begin(), read.end(), [&](const PointD& q) {
      return SameSolidCorner(p.x, p.y, q.x, q.y);
    });
    if (repeated) continue;
    read.push_back(p);
    texts.emplace_back(std::move(x), std::move(y));
  }
  if (read.size() < 3 || !(TwiceSignedArea(read.data(), read.size()) > 0)) return std::nullopt;
  std::string line = "sl";
  for (const auto& [x, y] : texts) {
    line += ' ';
    line += x;
    line += ' ';
    line += y;
  }
  return line;
}

// The middle of the part's longest wall: where its scale is read.
PointD OnLongestWall(const PaintedPart& part) {
  PointD best{};
  double longest = -1;
  for (const auto& wall : part.boundary) {
    double length = std::hypot(wall[1].x - wall[0].x, wall[1].y - wall[0].y);
    if (length > longest) {
      longest = length;
      best = {(wall[0].x + wall[1].x) / 2, (wall[0].y + wall[1].y) / 2};
    }
  }
  return best;
}

size_t AddLabels(DrawingStore& store, const SplitArea& area, const RealScale& scale,
                 const AreaLabeller& labeller, const TextCodec& codec) {
  size_t added = 0;
  std::vector<std::vector<const SolidPiece*>> pieces = PiecesByPart(area);
  for (size_t i = 0; i < area.parts.size(); ++i) {
    const PaintedPart& part = area.parts[i];
    std::string label = labeller(RealSquareMetres(part.area, scale.scaleAt(OnLongestWall(part))));
    std::optional<PointD> at = PlaceLabel(part, pieces[i], LabelBox(store.settings, label));
    if (!at) continue;
    addTextRecord(store, 0, codec.utf8ToCp932(label), at->x, at->y, 1, 0);
    ++added;
  }
  return added;
}

}  // namespace

Colour SolidColour(Colour fill, int opacity) {
  int a = std::clamp(opacity, 0, 255);
  return MakeColour(OverWhite(RedOf(fill), a), OverWhite(GreenOf(fill), a),
                    OverWhite(BlueOf(fill), a));
}

SolidHandBackResult HandBackSolids(DrawingStore& store, const FillPlan& plan,
                                   AreaSplitter& splitter, const RealScale& scale,
                                   const AreaLabeller& labeller, const TextCodec& codec) {
  SolidHandBackResult result;
  std::vector<SplitArea> areas(plan.layers.size());
  for (size_t i = 0; i < plan.layers.size(); ++i) {
    if (!splitter.split(plan.layers[i].rings, areas[i])) {
      result.split = false;
      return result;
    }
  }
  EnsureBzLine(store);
  for (size_t i = 0; i < plan.layers.size(); ++i) {
    if (areas[i].pieces.empty()) continue;
    store.appendOutputLine("lc10 " +
                           std::to_string(SolidColour(plan.layers[i].colour, plan.opacity)));
    for (const SolidPiece& piece : areas[i].pieces) {
      std::optional<std::string> record = SolidRecord(piece);
      if (!record) continue;
      store.appendOutputLine(*record);
      ++result.solids;
    }
  }
  if (labeller) {
    for (const SplitArea& area : areas) {
      result.labels += AddLabels(store, area, scale, labeller, codec);
    }
  }
  return result;
}

}  // namespace zf61
