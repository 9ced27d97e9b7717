// The shortcuts of the drawing (pieces handed to the canvas together or written straight into
// its pixels, curves inside the view turned to pixels without clipping, curves within one pixel
// drawn as that pixel, chords within one pixel walked without placing their dashes, pattern
// walks inside the view written without clipping) against
// drawing every chord and dash one by one through the line primitive, on seeded random
// drawings, pixel for pixel; and the inline pixel rounding against RoundHalfAway.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/Numbers.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/RecordingCanvas.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/PixelRounding.h"

namespace zf61 {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
// Solid, dashed, random (zigzag) and unknown line types.
constexpr int kLineTypes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12,
                              13, 14, 15, 16, 17, 18, 19, 32, 33, 0,  99};
// Hundredths of a millimetre; 0 takes the pen's own width.
constexpr int kLineWidths[] = {0, 0, 0, 0, 10, 50, 100, 300, 2000};

class RandomDrawing {
 public:
  RandomDrawing(unsigned seed, double scale) : random_(seed), scale_(scale) {}

  void fill(DrawingStore& store) {
    for (int i = 0; i < 60; ++i) {
      pickAttributes(store);
      addLine(store, i % 4 == 0);
    }
    for (int i = 0; i < 60; ++i) {
      pickAttributes(store);
      addCircle(store);
    }
    for (int i = 0; i < 40; ++i) {
      pickAttributes(store);
      addArc(store);
    }
  }

 private:
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random_); }
  int pick(int count) { return std::uniform_int_distribution<>(0, count - 1)(random_); }
  // A coordinate over the view and as far again beyond each side.
  double x() { return uniform(-1.0, 2.0) * kWidth / scale_; }
  double y() { return uniform(-1.0, 2.0) * kHeight / scale_; }
  // Half the time on a pixel edge or centre, where rounding is decided by the last bits.
  double snapped(double v) {
    if (pick(2)) return v;
    return (std::round(v * scale_ * 2.0) / 2.0) / scale_;
  }
  // From a thousandth of a pixel to three times the view's width.
  double radius() { return std::exp(uniform(std::log(1e-3), std::log(3.0 * kWidth))) / scale_; }

  void pickAttributes(DrawingStore& store) {
    store.current.colour = 1 + pick(9);
    store.current.layer = pick(3);
    store.current.lineType = kLineTypes[pick(std::size(kLineTypes))];
    store.current.lineWidth = kLineWidths[pick(std::size(kLineWidths))];
  }

  void addLine(DrawingStore& store, bool continuesLast) {
    double x1 = snapped(x()), y1 = snapped(y());
    if (continuesLast && !store.lines.empty())
      x1 = store.lines.back().x2, y1 = store.lines.back().y2;
    // Mostly short lines, some across the whole view.
    double length = pick(3) ? radius() : uniform(0.0, 3.0 * kWidth / scale_);
    // A quarter along the axes, where the pieces are rows and columns of pixels.
    double a = pick(4) ? uniform(0.0, kTwoPi) : pick(4) * (kPi / 2.0);
    LineFigure& l = store.appendLine();
    l.x1 = x1, l.y1 = y1, l.x2 = x1 + length * std::cos(a), l.y2 = y1 + length * std::sin(a);
  }

  void addCircle(DrawingStore& store) {
    CircleFigure& c = store.appendCircle();
    c.centreX = snapped(x()), c.centreY = snapped(y()), c.radius = radius();
  }

  void addArc(DrawingStore& store) {
    ArcFigure& a = store.appendArc();
    a.centreX = snapped(x()), a.centreY = snapped(y()), a.radius = radius();
    a.startAngle = uniform(-360.0, 360.0);
    a.endAngle = pick(5) ? uniform(-360.0, 360.0) : a.startAngle;  // some whole ellipses
    a.flatness = pick(2) ? 1.0 : uniform(-2.0, 2.0);
    a.tiltAngle = pick(2) ? 0.0 : uniform(-180.0, 180.0);
  }

  std::mt19937 random_;
  double scale_;
};

QImage Draw(const DrawingStore& store, const ViewWindow& view, bool plain, int canvasWidth = kWidth,
            int canvasHeight = kHeight) {
  QtCanvas canvas(canvasWidth, canvasHeight);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  ctx.plainDrawing = plain;
  QtPictureSource pictures;
  NoEscKey esc;
  ClearCanvas(canvas, att, canvasWidth, canvasHeight);
  EntityRenderer(store, pictures, esc).DrawAll(ctx);
  return canvas.image().copy();
}

int DifferingPixels(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
  }
  return differing;
}

// From a tenth of a pixel per unit (everything tiny) to forty (everything huge), evenly in log.
double RandomScale(std::mt19937& random) {
  return std::exp(std::uniform_real_distribution<>(std::log(0.1), std::log(40.0))(random));
}

TEST(FastPaths, RandomDrawingsGiveThePixelsOfChordByChordDrawing) {
  std::mt19937 scales(7);
  for (unsigned seed = 1; seed <= 150; ++seed) {
    double scale = RandomScale(scales);
    DrawingStore store;
    RandomDrawing(seed, scale).fill(store);
    ViewWindow view = test::MakeView(0.0, 0.0, scale, kWidth, kHeight);
    QImage plain = Draw(store, view, true);
    QImage fast = Draw(store, view, false);
    ASSERT_EQ(DifferingPixels(plain, fast), 0) << "seed " << seed << ", scale " << scale;
  }
}

// Every figure of the store moved by (dx, dy).
void Shift(DrawingStore& store, double dx, double dy) {
  for (LineFigure& l : store.lines) l.x1 += dx, l.x2 += dx, l.y1 += dy, l.y2 += dy;
  for (CircleFigure& c : store.circles) c.centreX += dx, c.centreY += dy;
  for (ArcFigure& a : store.arcs) a.centreX += dx, a.centreY += dy;
}

// Far from the origin the view's edges are coarse doubles, so the points that need no clipping
// are told by a margin of their own size.
TEST(FastPaths, RandomDrawingsFarFromTheOriginGiveTheSamePixels) {
  std::mt19937 scales(13);
  for (unsigned seed = 1; seed <= 60; ++seed) {
    double scale = RandomScale(scales);
    DrawingStore store;
    RandomDrawing(seed, scale).fill(store);
    const double left = (seed % 2 ? 1.0 : -1.0) * std::ldexp(1.0, 20 + static_cast<int>(seed % 12));
    const double bottom = -0.75 * left;
    Shift(store, left, bottom);
    ViewWindow view = test::MakeView(left, bottom, scale, kWidth, kHeight);
    QImage plain = Draw(store, view, true);
    QImage fast = Draw(store, view, false);
    ASSERT_EQ(DifferingPixels(plain, fast), 0) << "seed " << seed << ", scale " << scale;
  }
}

// A canvas smaller than the view: pieces inside the view may end beyond the canvas's pixels,
// which the pieces written straight into them must leave to the canvas.
TEST(FastPaths, RandomDrawingsOnACanvasSmallerThanTheViewGiveTheSamePixels) {
  std::mt19937 scales(11);
  for (unsigned seed = 1; seed <= 60; ++seed) {
    double scale = RandomScale(scales);
    DrawingStore store;
    RandomDrawing(seed, scale).fill(store);
    ViewWindow view = test::MakeView(0.0, 0.0, scale, kWidth, kHeight);
    const int width = kWidth - 1 - static_cast<int>(seed % 40);
    const int height = kHeight - 1 - static_cast<int>(seed % 30);
    QImage plain = Draw(store, view, true, width, height);
    QImage fast = Draw(store, view, false, width, height);
    ASSERT_EQ(DifferingPixels(plain, fast), 0) << "seed " << seed << ", scale " << scale;
  }
}

// One context for passes over changing views, as the window keeps it: each pass gives the
// pixels of a plain drawing of its own view.
TEST(FastPaths, AContextKeptWhileTheViewChangesDrawsEveryView) {
  DrawingStore store;
  RandomDrawing(5, 2.0).fill(store);
  ViewWindow view = test::MakeView(0.0, 0.0, 2.0, kWidth, kHeight);
  QtCanvas canvas(kWidth, kHeight);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer(store, pictures, esc);
  const double scales[] = {2.0, 0.5, 8.0, 8.0, 2.0};
  for (size_t i = 0; i < std::size(scales); ++i) {
    view = test::MakeView(-10.0 * static_cast<double>(i), 5.0 * static_cast<double>(i), scales[i],
                          kWidth, kHeight);
    ClearCanvas(canvas, att, kWidth, kHeight);
    renderer.DrawAll(ctx);
    ASSERT_EQ(DifferingPixels(canvas.image(), Draw(store, view, true)), 0) << "view " << i;
  }
}

// Dashed and zigzag lines with thin pens hugging the view's edges, a few units in the last
// place or a hair inside or outside them, along an edge or from one edge to another: the walks
// that are written straight into the pixels without clipping must be exactly those whose every
// dash stays inside, near the origin and far from it.
class EdgeHuggingLines {
 public:
  EdgeHuggingLines(unsigned seed, const ViewWindow& view) : random_(seed), view_(view) {}

  void fill(DrawingStore& store) {
    for (int i = 0; i < 80; ++i) {
      store.current.colour = 1 + pick(9);
      store.current.lineType = kLineTypes[1 + pick(std::size(kLineTypes) - 3)];  // patterned
      store.current.lineWidth = pick(4) ? 1 : 0;                                 // mostly thin
      LineFigure& l = store.appendLine();
      bool vertical = pick(2);
      double at = nearEdge(vertical);
      if (pick(2)) {  // along the edge, over most of the view
        double from = across(vertical), to = across(vertical);
        if (vertical) l.x1 = at, l.x2 = at, l.y1 = from, l.y2 = to;
        else l.y1 = at, l.y2 = at, l.x1 = from, l.x2 = to;
      } else {  // from near one edge to near another
        l.x1 = nearEdge(true), l.y1 = nearEdge(false);
        l.x2 = pick(2) ? nearEdge(true) : across(false);
        l.y2 = pick(2) ? nearEdge(false) : across(true);
      }
    }
  }

 private:
  int pick(int count) { return std::uniform_int_distribution<>(0, count - 1)(random_); }
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random_); }
  // An x (vertical edges) or y near one of the view's edges.
  double nearEdge(bool vertical) {
    double edge = vertical ? (pick(2) ? view_.Left : view_.Right)
                           : (pick(2) ? view_.Bottom : view_.Top);
    const double hairs[] = {0.0, 1e-13, 1e-12, 2e-12, 3e-12, 1e-10, 1e-6, 1e-3};
    double offset = hairs[pick(std::size(hairs))] * (1.0 + std::fabs(edge));
    double v = edge + (pick(2) ? offset : -offset);
    for (int steps = pick(6); steps > 0; --steps) v = std::nextafter(v, pick(2) ? 1e300 : -1e300);
    return v;
  }
  // A y (for a vertical line) or x anywhere over the view.
  double across(bool vertical) {
    return vertical ? uniform(view_.Bottom, view_.Top) : uniform(view_.Left, view_.Right);
  }

  std::mt19937 random_;
  ViewWindow view_;
};

TEST(FastPaths, PatternedLinesAlongTheViewsEdgesGiveThePixelsOfClippedDashes) {
  std::mt19937 scales(17);
  for (unsigned seed = 1; seed <= 120; ++seed) {
    double scale =
        std::exp(std::uniform_real_distribution<>(std::log(0.5), std::log(40.0))(scales));
    const double left = seed % 3 ? 0.0 : std::ldexp(1.0, 20 + static_cast<int>(seed % 10));
    ViewWindow view = test::MakeView(left, -0.5 * left, scale, kWidth, kHeight);
    DrawingStore store;
    EdgeHuggingLines(seed, view).fill(store);
    QImage plain = Draw(store, view, true);
    QImage fast = Draw(store, view, false);
    ASSERT_EQ(DifferingPixels(plain, fast), 0) << "seed " << seed << ", scale " << scale;
  }
}

TEST(FastPaths, InlinePixelRoundingIsRoundHalfAway) {
  std::mt19937 random(3);
  std::uniform_real_distribution<> wide(-2e9, 2e9), near(-4.0, 4.0);
  for (int i = 0; i < 200000; ++i) {
    double v = i % 2 ? wide(random) : near(random);
    if (i % 3 == 0) v = std::round(v * 2.0) / 2.0;                      // exact halves
    if (i % 5 == 0) v = std::nextafter(v, i % 10 == 0 ? 1e10 : -1e10);  // one step beside
    double clamped = std::clamp(v, -kPixelCoordinateLimit, kPixelCoordinateLimit);
    ASSERT_EQ(RoundPixelCoordinate(v), RoundHalfAway(clamped)) << v;
  }
  // Coordinates of points inside the view, many at once (an odd count, so both the paired and
  // the single rounding are used).
  std::uniform_real_distribution<> inside(0.0, 4000.0), far(0.0, kPixelCoordinateLimit);
  std::vector<double> values(20001);
  for (size_t i = 0; i < values.size(); ++i) {
    double v = i % 7 ? inside(random) : far(random);
    if (i % 3 == 0) v = std::round(v * 2.0) / 2.0;
    if (i % 5 == 0) v = std::nextafter(v, i % 10 == 0 ? 1e10 : 0.0);
    values[i] = std::clamp(v, 0.0, kPixelCoordinateLimit);
  }
  std::vector<int32_t> rounded(values.size());
  RoundInsideViewAll(values.data(), rounded.data(), values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    ASSERT_EQ(rounded[i], RoundHalfAway(values[i])) << values[i];
    ASSERT_EQ(RoundInsideView(values[i]), RoundHalfAway(values[i])) << values[i];
  }
  // Two points' coordinates from a view's origin, together, as one at a time.
  std::uniform_real_distribution<> scaleOf(0.01, 100.0);
  for (size_t i = 0; i + 1 < values.size(); i += 2) {
    const double scale = scaleOf(random), origin = i % 4 ? -1234.5 : 0.0;
    const double a = values[i] / scale + origin, b = values[i + 1] / scale + origin;
    int32_t ra = -7, rb = -7;
    PixelCoordinatesInsideView(a, b, origin, scale, ra, rb);
    ASSERT_EQ(ra, RoundInsideView((a - origin) * scale)) << a;
    ASSERT_EQ(rb, RoundInsideView((b - origin) * scale)) << b;
  }
  EXPECT_EQ(RoundPixelCoordinate(std::nan("")), 0);
  EXPECT_EQ(RoundPixelCoordinate(0.49999999999999994), 0);
  EXPECT_EQ(RoundPixelCoordinate(-2.5), -3);
}

}  // namespace
}  // namespace zf61
