// Room grids for the tracer.
#include "TraceWorkload.h"

#include <cmath>
#include <random>

namespace zf61::bench {
namespace {

void Line(DrawingStore& s, double x1, double y1, double x2, double y2) {
  LineFigure& l = s.appendLine();
  l.x1 = x1, l.y1 = y1, l.x2 = x2, l.y2 = y2;
}

}  // namespace

void FillRooms(DrawingStore& store, size_t segmentCount, unsigned seed) {
  std::mt19937 random(seed);
  size_t columns = static_cast<size_t>(std::sqrt(static_cast<double>(segmentCount) / 4.0)) + 1;
  size_t made = 0;
  for (size_t r = 0; made < segmentCount; ++r) {
    double x = static_cast<double>(r % columns) * 5000.0;
    double y = static_cast<double>(r / columns) * 4000.0;
    bool reversed = random() % 2 == 0;
    auto side = [&](double x1, double y1, double x2, double y2) {
      if (reversed && made % 3 == 0) {
        Line(store, x2, y2, x1, y1);
      } else {
        Line(store, x1, y1, x2, y2);
      }
      ++made;
    };
    side(x, y, x + 3640, y);
    side(x + 3640, y, x + 3640, y + 2730);
    side(x + 3640, y + 2730, x, y + 2730);
    if (r % 7 == 3) {
      // A door: the last side is an arc's chord away from closing, closed by the arc.
      side(x, y + 2730, x, y + 900);
      ArcFigure& a = store.appendArc();
      a.centreX = x, a.centreY = y, a.radius = 900, a.startAngle = 0, a.endAngle = 90;
      a.flatness = 1;
      side(x + 900, y, x + 900, y);  // a zero-length piece, as drawings have them
      ++made;
    } else {
      side(x, y + 2730, x, y);
    }
    if (r % 10 == 0) side(x + 3640, y, x + 4200, y - 300);  // a spur
    if (r % 5 == 1) {  // a neighbour sharing the right-hand side
      side(x + 3640, y, x + 4600, y);
      side(x + 4600, y, x + 4600, y + 2730);
      side(x + 4600, y + 2730, x + 3640, y + 2730);
    }
  }
}

void FillLattice(DrawingStore& store, size_t cells, double origin) {
  const double step = 910.0;
  auto at = [&](size_t i) { return origin + static_cast<double>(i) * step; };
  for (size_t row = 0; row <= cells; ++row) {
    for (size_t col = 0; col < cells; ++col) Line(store, at(col), at(row), at(col + 1), at(row));
  }
  for (size_t col = 0; col <= cells; ++col) {
    for (size_t row = 0; row < cells; ++row) Line(store, at(col), at(row), at(col), at(row + 1));
  }
}

}  // namespace zf61::bench
