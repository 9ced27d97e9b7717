// Floor-plan-like drawings built straight into a store.
#include "DrawingWorkload.h"

#include <cmath>
#include <iterator>
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

void FillHeavyDrawing(DrawingStore& store, size_t circleCount, size_t lineCount, unsigned seed) {
  constexpr double kSheetWidth = 841.0, kSheetHeight = 594.0;
  constexpr int kDashedTypes[] = {2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15};
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> x(0.0, kSheetWidth), y(0.0, kSheetHeight);
  std::uniform_real_distribution<double> logRadius(std::log(0.2), std::log(20.0));
  std::uniform_real_distribution<double> length(5.0, 120.0), angle(0.0, 6.283185307179586);
  for (size_t i = 0; i < circleCount; ++i) {
    store.current.colour = 1 + static_cast<int>(i % 8);
    store.current.lineType = 1;
    CircleFigure& c = store.appendCircle();
    c.centreX = x(random), c.centreY = y(random), c.radius = std::exp(logRadius(random));
  }
  for (size_t i = 0; i < lineCount; ++i) {
    store.current.colour = 1 + static_cast<int>(i % 8);
    store.current.lineType = kDashedTypes[i % std::size(kDashedTypes)];
    LineFigure& l = store.appendLine();
    double a = angle(random), d = length(random);
    l.x1 = x(random), l.y1 = y(random);
    l.x2 = l.x1 + d * std::cos(a), l.y2 = l.y1 + d * std::sin(a);
  }
}

}  // namespace zf61::bench
