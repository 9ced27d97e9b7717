// Buildings for the rooms benchmark: near misses, walls stopping on walls, repeats.
#include "RoomsWorkload.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

namespace zf61::bench {
namespace {

constexpr double kRoomWidth = 3640.0;
constexpr double kRoomDepth = 2730.0;
constexpr double kDoorWidth = 900.0;

struct Builder {
  DrawingStore& store;
  double origin;
  std::mt19937 random;

  void line(double x1, double y1, double x2, double y2) {
    LineFigure& l = store.appendLine();
    l.x1 = origin + x1, l.y1 = origin + y1, l.x2 = origin + x2, l.y2 = origin + y2;
  }
  // A door swing: a quarter circle about a room's corner, from one wall to the other.
  void swing(double x, double y) {
    ArcFigure& a = store.appendArc();
    a.centreX = origin + x, a.centreY = origin + y, a.radius = kDoorWidth;
    a.startAngle = 0, a.endAngle = 90, a.flatness = 1;
  }
  double uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  }
  bool chance(double p) { return uniform(0.0, 1.0) < p; }
  // A miss of 1e-9 to 1e-3 of `size`, spread evenly over the orders of magnitude.
  double miss(double size) { return size * std::pow(10.0, uniform(-9.0, -3.0)); }
  // `p` moved by a miss in any direction, or (with the chance `1 - missing`) left where it is.
  void nudge(double& x, double& y, double size, double missing) {
    if (!chance(missing)) return;
    double d = miss(size), angle = uniform(0.0, 2.0 * M_PI);
    x += d * std::cos(angle), y += d * std::sin(angle);
  }
};

size_t SideOf(size_t rooms) {
  return static_cast<size_t>(std::sqrt(static_cast<double>(rooms))) + 1;
}

}  // namespace

double FillNearMissPlan(DrawingStore& store, size_t segmentCount, double missing, double origin,
                        unsigned seed) {
  Builder b{store, origin, std::mt19937(seed)};
  const size_t side = SideOf(segmentCount / 3);  // about three segments a room
  const double size = static_cast<double>(side) * kRoomWidth;
  auto wall = [&](double x1, double y1, double x2, double y2) {
    b.nudge(x1, y1, size, missing), b.nudge(x2, y2, size, missing);
    b.line(x1, y1, x2, y2);
  };
  for (size_t row = 0; row <= side; ++row) {
    for (size_t col = 0; col <= side; ++col) {
      double x = static_cast<double>(col) * kRoomWidth, y = static_cast<double>(row) * kRoomDepth;
      if (col < side) wall(x, y, x + kRoomWidth, y);
      if (row < side) wall(x, y, x, y + kRoomDepth);
      if (col == side || row == side) continue;
      if ((row + col) % 2 == 0) wall(x + 0.4 * kRoomWidth, y, x + 0.4 * kRoomWidth, y + kRoomDepth);
      if ((row * side + col) % 29 == 3) b.swing(x, y);
    }
  }
  return size;
}

double FillLongWalls(DrawingStore& store, size_t segmentCount, double origin, unsigned seed) {
  Builder b{store, origin, std::mt19937(seed)};
  const size_t longWalls = std::max<size_t>(2, segmentCount / 5000);
  const size_t shortWalls = segmentCount - longWalls;
  const double width = static_cast<double>(shortWalls / longWalls + 1) * 1000.0;
  for (size_t j = 0; j < longWalls; ++j) {
    b.line(0, static_cast<double>(j) * kRoomDepth, width, static_cast<double>(j) * kRoomDepth);
  }
  for (size_t i = 0; i < shortWalls; ++i) {
    double x = b.uniform(0.0, width);
    double y = static_cast<double>(i % (longWalls - 1)) * kRoomDepth;
    switch (i % 4) {
      case 0:  // through two long walls
        b.line(x, y - 300, x, y + kRoomDepth + 300);
        break;
      case 1:  // from one long wall to the next, exactly
        b.line(x, y, x, y + kRoomDepth);
        break;
      case 2:  // stopping a hair short of the next long wall, or beyond it
        b.line(x, y, x, y + kRoomDepth + (b.chance(0.5) ? 1 : -1) * b.miss(width));
        break;
      default:  // through one long wall, ending in the room beyond
        b.line(x, y - 500, x, y + 1200);
        break;
    }
  }
  return width;
}

double FillRepeatedWalls(DrawingStore& store, size_t segmentCount, double origin, unsigned seed) {
  Builder b{store, origin, std::mt19937(seed)};
  const size_t side = SideOf(segmentCount / 5);  // about five segments a room
  auto wall = [&](double x1, double y1, double x2, double y2) {
    switch (b.random() % 3) {
      case 0:  // twice, once backwards
        b.line(x1, y1, x2, y2), b.line(x2, y2, x1, y1);
        break;
      case 1:  // two pieces overlapping in the middle
        b.line(x1, y1, x1 + 0.6 * (x2 - x1), y1 + 0.6 * (y2 - y1));
        b.line(x1 + 0.4 * (x2 - x1), y1 + 0.4 * (y2 - y1), x2, y2);
        break;
      default:  // once, and a repeat that runs on past the corner
        b.line(x1, y1, x2, y2);
        b.line(x1, y1, x2 + (x2 - x1) * 0.1, y2 + (y2 - y1) * 0.1);
        break;
    }
  };
  for (size_t row = 0; row <= side; ++row) {
    for (size_t col = 0; col <= side; ++col) {
      double x = static_cast<double>(col) * kRoomWidth, y = static_cast<double>(row) * kRoomDepth;
      if (col < side) wall(x, y, x + kRoomWidth, y);
      if (row < side) wall(x, y, x, y + kRoomDepth);
    }
  }
  return static_cast<double>(side) * kRoomWidth;
}

bool WriteExchangeFile(const DrawingStore& store, const std::filesystem::path& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "w"), &std::fclose);
  if (!file) return false;
  std::fputs("hq\n", file.get());
  for (const LineFigure& l : store.lines) {
    std::fprintf(file.get(), "%.17g %.17g %.17g %.17g\n", l.x1, l.y1, l.x2, l.y2);
  }
  for (const ArcFigure& a : store.arcs) {
    std::fprintf(file.get(), "ci %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", a.centreX, a.centreY,
                 a.radius, a.startAngle, a.endAngle, a.flatness, a.tiltAngle);
  }
  return std::ferror(file.get()) == 0;
}

}  // namespace zf61::bench
