// Random drawings built from pieces that make the tracer's choices hard.
#include "RandomDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zf61::test {
namespace {

constexpr double kMagnitudes[] = {0, 1e-6, 1, 1e3, 1e8, 1e12, 1e300};
constexpr double kScales[] = {1, 100, 0.5, 1e-3, 7, 1e-300};

struct Builder {
  DrawingStore& store;
  std::mt19937& random;
  double origin = 0.0;
  double unit = 1.0;

  int pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  double divisor() const { return store.groupDivisor(store.current.group); }

  // A point near the grid point (i, j); now and then moved by just under or just over the
  // tolerance (after the group's division).
  double jitter() {
    int r = pick(12);
    double d = divisor();
    if (r == 0) return 0.9e-8 * d;
    if (r == 1) return -0.9e-8 * d;
    if (r == 2) return 1.1e-8 * d;
    return 0.0;
  }
  double X(int i) { return origin + i * unit + jitter(); }
  double Y(int j) { return origin + j * unit + jitter(); }

  void line(int i1, int j1, int i2, int j2) {
    if (pick(2)) std::swap(i1, i2), std::swap(j1, j2);  // reversed lines
    LineFigure& l = store.appendLine();
    l.x1 = X(i1), l.y1 = Y(j1), l.x2 = X(i2), l.y2 = Y(j2);
    if (pick(25) == 0) {  // duplicated (copied first: appending may move the list)
      LineFigure copy = l;
      store.appendLine() = copy;
    }
  }

  void arc(int ci, int cj, int radiusCells, double start, double end) {
    ArcFigure& a = store.appendArc();
    a.centreX = origin + ci * unit;
    a.centreY = origin + cj * unit;
    a.radius = radiusCells * unit;
    a.startAngle = start;
    a.endAngle = end;
    a.flatness = 1.0;
  }

  void rectangle(int i, int j, int w, int h) {
    line(i, j, i + w, j);
    line(i + w, j, i + w, j + h);
    line(i + w, j + h, i, j + h);
    line(i, j + h, i, j);
  }

  void piece() {
    int i = pick(6), j = pick(6);
    switch (pick(7)) {
      case 0:
      case 1:
        rectangle(i, j, 1 + pick(2), 1 + pick(2));  // neighbours share sides
        break;
      case 2:
        line(i, j, i + pick(3) - 1, j + pick(3) - 1);  // spurs and stray lines
        break;
      case 3:  // half circle closed by its diameter, the arc either way round
        arc(i, j, 1, pick(2) ? 0 : 180, pick(2) ? 180 : 0);
        line(i - 1, j, i + 1, j);
        break;
      case 4:  // a quarter arc in a square corner
        arc(i, j, 1, 0, 90);
        line(i, j, i + 1, j);
        line(i, j, i, j + 1);
        break;
      case 5: {
        CircleFigure& c = store.appendCircle();
        c.centreX = X(i), c.centreY = Y(j), c.radius = unit;
        break;
      }
      default:  // a triangle
        line(i, j, i + 1, j);
        line(i + 1, j, i, j + 1);
        line(i, j + 1, i, j);
        break;
    }
  }
};

struct Edge {
  int i1, j1, i2, j2;
};

// Lattices, combs and ladders: networks where a chain can wander far before it closes.
std::vector<Edge> Network(Builder& b) {
  std::vector<Edge> edges;
  int w = 2 + b.pick(7), h = 2 + b.pick(7);
  switch (b.pick(3)) {
    case 0:  // a lattice of w x h cells, every edge a line of its own
      for (int j = 0; j <= h; ++j)
        for (int i = 0; i < w; ++i) edges.push_back({i, j, i + 1, j});
      for (int i = 0; i <= w; ++i)
        for (int j = 0; j < h; ++j) edges.push_back({i, j, i, j + 1});
      break;
    case 1:  // a comb: a spine with teeth, closed by a back now and then
      for (int i = 0; i < w; ++i) edges.push_back({i, 0, i + 1, 0});
      for (int i = 0; i <= w; ++i) edges.push_back({i, 0, i, h});
      if (b.pick(2)) {
        for (int i = 0; i < w; ++i) edges.push_back({i, h, i + 1, h});
      }
      break;
    default:  // a ladder: two rails of unit pieces and rungs
      for (int i = 0; i < w; ++i)
        edges.push_back({i, 0, i + 1, 0}), edges.push_back({i, 1, i + 1, 1});
      for (int i = 0; i <= w; ++i) edges.push_back({i, 0, i, 1});
      break;
  }
  // Some edges missing, and the lines in any order.
  std::vector<Edge> kept;
  for (const Edge& e : edges) {
    if (b.pick(10) != 0) kept.push_back(e);
  }
  if (b.pick(2)) std::shuffle(kept.begin(), kept.end(), b.random);
  return kept;
}

}  // namespace

void FillRandomNetwork(DrawingStore& store, std::mt19937& random) {
  // Origins where the end-point search changes its ways: small, about 2^27 and beyond, huge,
  // and half of 2^-20 off round numbers, where ends moved by the tolerance cross a border of
  // the search's cells.
  constexpr double kOrigins[] = {0,           1e8,  1e10,  -3e9,    134217728.0,
                                 134217727.5, 1e15, -7.25, 0x1p-21, 1000.0 + 0x1p-21};
  constexpr double kUnits[] = {1, 910, 1e-3};
  Builder b{store, random};
  b.origin = kOrigins[b.pick(10)];
  b.unit = kUnits[b.pick(3)];
  int networks = 1 + b.pick(2);
  for (int n = 0; n < networks; ++n) {
    for (const Edge& e : Network(b)) b.line(e.i1, e.j1, e.i2, e.j2);
  }
  if (b.pick(3) == 0) b.piece();
}

void FillRandomDrawing(DrawingStore& store, TgraAttribute& att, std::mt19937& random) {
  Builder b{store, random};
  double magnitude = kMagnitudes[b.pick(7)];
  b.origin = b.pick(2) ? magnitude : -magnitude;
  b.unit = b.pick(3) == 0 ? std::max(magnitude, 1e-6) * 1e-3 : 1.0;
  for (int g = 0; g < 3; ++g) store.settings.groupScale[g] = kScales[b.pick(6)];
  store.settings.bzFlag = b.pick(8) == 0;
  if (b.pick(4) == 0) att.SetLayerDrawState(0x12, 3);
  int pieces = 1 + b.pick(10);
  for (int p = 0; p < pieces; ++p) {
    store.current.group = b.pick(3) == 0 ? b.pick(3) : 0;
    store.current.layer = b.pick(6) == 0 ? 2 : 0;
    store.current.group = store.current.layer == 2 ? 1 : store.current.group;
    store.current.flags = b.pick(15) == 0 ? 4 : 0;
    b.piece();
  }
}

}  // namespace zf61::test
