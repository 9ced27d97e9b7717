// The canvas rules on real pixels (QtCanvas) and the figure pens on recorded calls.
#include <gtest/gtest.h>

#include <random>

#include "platform/QtCanvas.h"
#include "support/RecordingCanvas.h"
#include "view/CanvasPrimitives.h"

namespace zf61 {
namespace {

constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kBlackPixel = 0xFF000000u;

int CountNonWhite(const RasterImage& image) {
  int n = 0;
  for (uint32_t p : image.pixels) n += p != kWhitePixel;
  return n;
}

TEST(QtCanvas, SegmentsIncludeBothEndPixels) {
  QtCanvas canvas(50, 50);
  canvas.setPen(kBlack, 1);
  SegmentPx(canvas, 5, 5, 20, 12);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(5, 5), kBlackPixel);
  EXPECT_EQ(px.at(20, 12), kBlackPixel);
  EXPECT_EQ(px.at(21, 12), kWhitePixel);
  // A one-pixel horizontal line covers exactly its 16 pixels.
  QtCanvas h(50, 50);
  h.setPen(kBlack, 0);
  SegmentPx(h, 10, 30, 25, 30);
  EXPECT_EQ(CountNonWhite(h.readPixels()), 16);
}

// Random pixel points for the line writers: mostly on the canvas, some beside or far beyond it,
// many next to the point before, on its row or on its column.
class RandomPixels {
 public:
  explicit RandomPixels(unsigned seed) : random_(seed) {}
  int pick(int count) { return std::uniform_int_distribution<>(0, count - 1)(random_); }
  PixelPoint anywhere() {
    int reach = pick(10) == 0 ? 40000 : (pick(4) == 0 ? 70 : 0);
    return {pick(60 + 2 * reach) - reach, pick(40 + 2 * reach) - reach};
  }
  PixelPoint after(PixelPoint p) {
    switch (pick(6)) {
      case 0:
        return p;
      case 1:
        return {p.x + pick(3) - 1, p.y + pick(3) - 1};
      case 2:
        return {p.x + pick(41) - 20, p.y};
      case 3:
        return {p.x, p.y + pick(41) - 20};
      default:
        return anywhere();
    }
  }

 private:
  std::mt19937 random_;
};

QImage LinePrimitiveOneByOne(const std::vector<PixelPoint>& ends, Colour colour, int width) {
  QtCanvas canvas(60, 40);
  canvas.setPen(colour, width);
  for (size_t i = 1; i < ends.size(); i += 2) {
    SegmentPx(canvas, ends[i - 1].x, ends[i - 1].y, ends[i].x, ends[i].y);
  }
  return canvas.image().copy();
}

// The canvas's own writing of one-pixel lines (pairs handed over together, chains of points)
// against the line primitive called once per piece, on seeded random pieces of every kind.
TEST(QtCanvas, SegmentsAndChainsGiveThePixelsOfTheLinePrimitive) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomPixels random(seed);
    const Colour colour = seed % 3 == 0 ? kBlack : MakeColour(200, 30, seed % 256);
    const int width = seed % 7 == 0 ? 2 : static_cast<int>(seed % 2);
    std::vector<PixelPoint> chain{random.anywhere()};
    for (int i = 0; i < 30; ++i) chain.push_back(random.after(chain.back()));
    std::vector<PixelPoint> pairs, chainPairs;
    for (size_t i = 1; i < chain.size(); ++i) {
      PixelPoint start = random.pick(2) ? chain[i - 1] : random.anywhere();
      pairs.insert(pairs.end(), {start, random.after(start)});
      chainPairs.insert(chainPairs.end(), {chain[i - 1], chain[i]});
    }
    QtCanvas together(60, 40);
    together.setPen(colour, width);
    together.segments(pairs);
    EXPECT_EQ(together.image(), LinePrimitiveOneByOne(pairs, colour, width)) << "seed " << seed;
    QtCanvas chained(60, 40);
    chained.setPen(colour, width);
    chained.chain(chain.data(), chain.size());
    EXPECT_EQ(chained.image(), LinePrimitiveOneByOne(chainPairs, colour, width)) << "seed " << seed;
  }
}

// A chain reaches a canvas that draws pieces one by one as the pairs of its chords, leaving out
// a chord of no length after the first, as the pieces of a figure are gathered.
TEST(Canvas, ChainIsItsChordsLeavingOutRepeatedPoints) {
  test::RecordingCanvas canvas;
  const std::vector<PixelPoint> points{{3, 3}, {3, 3}, {5, 4}, {5, 4}, {5, 4}, {9, 1}};
  canvas.chain(points.data(), points.size());
  const std::vector<test::Segment> expected{{3, 3, 3, 3}, {3, 3, 5, 4}, {5, 4, 9, 1}};
  EXPECT_EQ(canvas.segments, expected);
  EXPECT_EQ(canvas.pixelsSet, 3);
}

TEST(QtCanvas, RectanglesExcludeRightAndBottomEdges) {
  QtCanvas canvas(50, 50);
  TgraAttribute att;
  SetPen(canvas, kBlack, 0, 1);
  SetBrush(canvas, MakeColour(255, 0, 0), 1);
  RectanglePx(canvas, 10, 10, 20, 15);
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(10, 10), kBlackPixel);
  EXPECT_EQ(px.at(19, 14), kBlackPixel);
  EXPECT_EQ(px.at(20, 14), kWhitePixel);
  EXPECT_EQ(px.at(19, 15), kWhitePixel);
  EXPECT_EQ(px.at(15, 12), 0xFFFF0000u);  // inside with the brush
  // Two pixels or less on both sides: nothing; on one side: a line with both ends.
  QtCanvas thin(50, 50);
  thin.setPen(kBlack, 1);
  RectanglePx(thin, 10, 10, 12, 12);
  EXPECT_EQ(CountNonWhite(thin.readPixels()), 0);
  RectanglePx(thin, 10, 10, 12, 40);
  RasterImage line = thin.readPixels();
  EXPECT_EQ(CountNonWhite(line), 31);
  EXPECT_EQ(line.at(10, 10), kBlackPixel);
  EXPECT_EQ(line.at(10, 40), kBlackPixel);
  // Clearing covers exactly the whole canvas in the background colour.
  att.SetBackground(1);
  ClearCanvas(thin, att, 50, 50);
  for (uint32_t p : thin.readPixels().pixels) ASSERT_EQ(p, kBlackPixel);
}

TEST(QtCanvas, XorTwiceRestoresEveryPixel) {
  QtCanvas canvas(60, 40);
  canvas.setPen(MakeColour(10, 200, 30), 1);
  canvas.setBrush(MakeColour(200, 0, 0), BrushStyle::Solid);
  canvas.rectangle(5, 5, 30, 30);
  SegmentPx(canvas, 0, 39, 59, 0);
  RasterImage before = canvas.readPixels();
  SetXorMode(canvas);
  SetPen(canvas, MakeColour(0, 255, 255), 0, 3);
  for (int i = 0; i < 2; ++i) {
    canvas.rectangle(2, 3, 50, 35);
    canvas.moveTo(0, 0);
    canvas.lineTo(59, 39);
  }
  EXPECT_EQ(canvas.readPixels().pixels, before.pixels);
}

TEST(QtCanvas, EvenOddAlphaFillBlendsEveryPixelOnce) {
  QtCanvas canvas(40, 40);
  std::vector<FloatPoint> outer = {{5, 5}, {35, 5}, {35, 35}, {5, 35}};
  std::vector<FloatPoint> inner = {{15, 15}, {25, 15}, {25, 25}, {15, 25}};
  canvas.fillPathEvenOdd({outer, inner, outer, outer}, 0x80FF0000u);  // outer three times
  RasterImage px = canvas.readPixels();
  uint32_t ring = px.at(8, 20);
  EXPECT_EQ(ring >> 16 & 0xFF, 255u);
  EXPECT_NEAR(static_cast<int>(ring >> 8 & 0xFF), 127, 1);  // blended once, not three times
  EXPECT_EQ(px.at(20, 20), kWhitePixel);                    // the hole
  EXPECT_EQ(px.at(2, 2), kWhitePixel);
}

TEST(FigurePen, WidthsRoundHalvesToEvenAndAreCapped) {
  test::RecordingCanvas canvas;
  TgraAttribute att;
  ApplyFigurePen(canvas, att, 1.0, 0, 2, 0.5);
  EXPECT_EQ(canvas.penWidth, 0);
  ApplyFigurePen(canvas, att, 1.0, 0, 2, 2.5);
  EXPECT_EQ(canvas.penWidth, 2);
  ApplyFigurePen(canvas, att, 4.0, 0, 2, 0.5);  // lineWidth 50 at scale 4
  EXPECT_EQ(canvas.penWidth, 2);
  ApplyFigurePen(canvas, att, 2000.0, 0, 2, 0.5);
  EXPECT_EQ(canvas.penWidth, 400);
  ApplyFigurePen(canvas, att, 10.0, 0, 9, att.PenWidth(9));
  EXPECT_EQ(canvas.penWidth, 0);
  EXPECT_EQ(canvas.pen, att.PenColour(9));
  EXPECT_FALSE(canvas.brushSolid);
  ApplyFigurePen(canvas, att, 1.0, 0, 0, 1.0);  // no pen 0: the background colour
  EXPECT_EQ(canvas.pen, kWhite);
}

}  // namespace
}  // namespace zf61
