// Floor plans of many rooms, laid out as a drafter draws them: double-line walls meeting in
// T-junctions, doors with their leaves and swings, fixtures standing in rooms and round
// columns, in paper millimetres after "bz". For tests and benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/DrawingStore.h"
#include "model/Geometry.h"

namespace zf61::test {

inline constexpr double kPlanRoomWidth = 40, kPlanRoomHeight = 30, kPlanWall = 1.5;

inline size_t PlanColumns(size_t rooms) {
  return std::max<size_t>(1, static_cast<size_t>(std::ceil(std::sqrt(static_cast<double>(rooms)))));
}

// The middle of room i of a plan of `rooms`, in the room's free part (clear of its door's
// swing, fixture and column).
inline PointD PlanRoomCentre(size_t rooms, size_t i) {
  size_t columns = PlanColumns(rooms);
  return {(static_cast<double>(i % columns) + 0.5) * kPlanRoomWidth,
          (static_cast<double>(i / columns) + 0.5) * kPlanRoomHeight};
}

// Rooms of 40 x 30 mm in a grid of `rooms` (rounded up to whole rows), in layer group 0.
inline void FillPlanGrid(DrawingStore& store, size_t rooms) {
  store.settings.bzFlag = true;
  auto line = [&](double x1, double y1, double x2, double y2) {
    LineFigure& l = store.appendLine();
    l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
  };
  size_t columns = PlanColumns(rooms), rows = (rooms + columns - 1) / columns;
  double width = static_cast<double>(columns) * kPlanRoomWidth;
  const double half = kPlanWall / 2;
  // Each wall as two lines running the whole plan; the cross walls stop on them (T-junctions).
  for (size_t r = 0; r <= rows; ++r) {
    double y = static_cast<double>(r) * kPlanRoomHeight;
    line(0, y - half, width, y - half), line(0, y + half, width, y + half);
  }
  for (size_t c = 0; c <= columns; ++c) {
    double x = static_cast<double>(c) * kPlanRoomWidth;
    for (size_t r = 0; r < rows; ++r) {
      double y0 = static_cast<double>(r) * kPlanRoomHeight + half;
      double y1 = y0 + kPlanRoomHeight - kPlanWall;
      line(x - half, y0, x - half, y1), line(x + half, y0, x + half, y1);
    }
  }
  for (size_t i = 0; i < rows * columns; ++i) {
    PointD c = PlanRoomCentre(rooms, i);
    double left = c.x - kPlanRoomWidth / 2 + half, bottom = c.y - kPlanRoomHeight / 2 + half;
    ArcFigure& swing = store.appendArc();  // a door's swing from the corner, and its leaf
    swing.centreX = left, swing.centreY = bottom, swing.radius = 8;
    swing.startAngle = 0, swing.endAngle = 90, swing.flatness = 1;
    line(left, bottom, left, bottom + 8);
    if (i % 3 == 0) {  // a fixture
      double x0 = c.x + 4, y0 = c.y + 2, x1 = c.x + 14, y1 = c.y + 8;
      line(x0, y0, x1, y0), line(x1, y0, x1, y1), line(x1, y1, x0, y1), line(x0, y1, x0, y0);
    }
    if (i % 5 == 0) {  // a column
      CircleFigure& column = store.appendCircle();
      column.centreX = c.x - 6, column.centreY = c.y + 6, column.radius = 1.2;
    }
  }
}

}  // namespace zf61::test
