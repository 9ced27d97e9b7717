// Floor-plan-like drawings built straight into a store.
#include "DrawingWorkload.h"

#include <cmath>
#include <random>

namespace zf61::bench {
namespace {

constexpr double kRoomWidth = 3640.0;
constexpr double kRoomHeight = 2730.0;

void AddLine(DrawingStore& s, double x1, double y1, double x2, double y2) {
  LineFigure& l = s.appendLine();
  l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
}

}  // namespace

void FillFloorPlan(DrawingStore& store, size_t lineCount, unsigned seed) {
  std::mt19937 random(seed);
  size_t rooms = lineCount / 4;
  size_t columns = static_cast<size_t>(std::ceil(std::sqrt(static_cast<double>(rooms))));
  store.settings.groupScale.fill(100.0);
  for (size_t r = 0; r < rooms; ++r) {
    double x = static_cast<double>(r % columns) * kRoomWidth;
    double y = static_cast<double>(r / columns) * kRoomHeight;
    store.current.colour = 1 + static_cast<int>(r % 8);
    store.current.lineType = r % 2 == 0 ? 1 : 2 + static_cast<int>(random() % 8);
    AddLine(store, x, y, x + kRoomWidth, y);
    AddLine(store, x + kRoomWidth, y, x + kRoomWidth, y + kRoomHeight);
    AddLine(store, x + kRoomWidth, y + kRoomHeight, x, y + kRoomHeight);
    AddLine(store, x, y + kRoomHeight, x, y);
    if (r % 5 == 0) {  // a tenth as many circles and arcs as lines, half each
      CircleFigure& c = store.appendCircle();
      c.centreX = x + kRoomWidth / 2, c.centreY = y + kRoomHeight / 2, c.radius = 300;
      ArcFigure& a = store.appendArc();
      a.centreX = x, a.centreY = y, a.radius = 800, a.startAngle = 0, a.endAngle = 90;
      a.flatness = 1;
    }
    if (r % 25 == 0) {  // a hundredth as many solids
      store.current.colour = 10;
      store.current.solidRgb = static_cast<int32_t>(random() & 0xFFFFFF);
      SolidQuadFigure& q = store.appendSolidQuad();
      q.x1 = x + 100, q.y1 = y + 100, q.x2 = x + 900, q.y2 = y + 100;
      q.x3 = x + 900, q.y3 = y + 700, q.x4 = x + 100, q.y4 = y + 700;
    }
  }
}

}  // namespace zf61::bench
