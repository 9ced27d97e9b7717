#include "PlanWorkload.h"

#include <algorithm>
#include <cmath>

namespace zf61::bench {
namespace {

constexpr double kRoomWidth = 40, kRoomHeight = 30, kWall = 1.5;

struct Plan {
  DrawingStore& store;

  void line(double x1, double y1, double x2, double y2) {
    LineFigure& l = store.appendLine();
    l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
  }
  void rectangle(double x0, double y0, double x1, double y1) {
    line(x0, y0, x1, y0), line(x1, y0, x1, y1), line(x1, y1, x0, y1), line(x0, y1, x0, y0);
  }
  void arc(double cx, double cy, double r, double from, double to) {
    ArcFigure& a = store.appendArc();
    a.centreX = cx, a.centreY = cy, a.radius = r, a.startAngle = from, a.endAngle = to;
    a.flatness = 1;
  }
  void circle(double cx, double cy, double r) {
    CircleFigure& c = store.appendCircle();
    c.centreX = cx, c.centreY = cy, c.radius = r;
  }
};

size_t ColumnsFor(size_t rooms) {
  return std::max<size_t>(1, static_cast<size_t>(std::ceil(std::sqrt(static_cast<double>(rooms)))));
}

}  // namespace

PointD RoomCentre(size_t rooms, size_t i) {
  size_t columns = ColumnsFor(rooms);
  return {(static_cast<double>(i % columns) + 0.5) * kRoomWidth,
          (static_cast<double>(i / columns) + 0.5) * kRoomHeight};
}

void FillFloorPlan(DrawingStore& store, size_t rooms) {
  store.settings.bzFlag = true;
  Plan plan{store};
  size_t columns = ColumnsFor(rooms), rows = (rooms + columns - 1) / columns;
  double width = static_cast<double>(columns) * kRoomWidth;
  double height = static_cast<double>(rows) * kRoomHeight;
  // Each wall as two lines running the whole plan; the cross walls stop on them (T-junctions).
  for (size_t r = 0; r <= rows; ++r) {
    double y = static_cast<double>(r) * kRoomHeight;
    plan.line(0, y - kWall / 2, width, y - kWall / 2), plan.line(0, y + kWall / 2, width, y + kWall / 2);
  }
  for (size_t c = 0; c <= columns; ++c) {
    double x = static_cast<double>(c) * kRoomWidth;
    for (size_t r = 0; r < rows; ++r) {
      double y0 = static_cast<double>(r) * kRoomHeight + kWall / 2;
      double y1 = y0 + kRoomHeight - kWall;
      plan.line(x - kWall / 2, y0, x - kWall / 2, y1), plan.line(x + kWall / 2, y0, x + kWall / 2, y1);
    }
  }
  for (size_t i = 0; i < rows * columns; ++i) {
    PointD c = RoomCentre(rooms, i);
    double left = c.x - kRoomWidth / 2 + kWall / 2, bottom = c.y - kRoomHeight / 2 + kWall / 2;
    plan.arc(left, bottom, 8, 0, 90);  // a door's swing from the corner, and its leaf
    plan.line(left, bottom, left, bottom + 8);
    if (i % 3 == 0) plan.rectangle(c.x + 4, c.y + 2, c.x + 14, c.y + 8);  // a fixture
    if (i % 5 == 0) plan.circle(c.x - 6, c.y + 6, 1.2);                    // a column
  }
}

}  // namespace zf61::bench
