#include "view/EntityRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/ExchangeReader.h"
#include "support/RecordingCanvas.h"

namespace zf61 {
namespace {

using test::MakeView;
using test::RecordingCanvas;

class NoPictures final : public PictureSource {
 public:
  bool exists(std::string_view name) override {
    asked.emplace_back(name);
    return false;
  }
  std::optional<Picture> load(std::string_view) override { return std::nullopt; }
  std::vector<std::string> asked;
};

// Says Escape is down from the n-th poll on.
class EscAfter final : public EscKey {
 public:
  explicit EscAfter(int n) : remaining_(n) {}
  bool EscPressed() override {
    ++polls;
    return --remaining_ < 0;
  }
  int polls = 0;

 private:
  int remaining_;
};

struct Scene {
  DrawingStore store;
  RecordingCanvas canvas{200, 200};
  ViewWindow view = MakeView(0, 0, 1.0, 200, 200);
  TgraAttribute att;
  DrawContext ctx{canvas, view, att};
  NoPictures pictures;

  void read(std::initializer_list<const char*> lines) {
    ExchangeReader reader(store);
    for (const char* line : lines) reader.parseLine(line);
  }
  std::vector<std::string> primitives() const {
    std::vector<std::string> out;
    for (const auto& c : canvas.calls) {
      if (c.rfind("pen", 0) != 0) out.push_back(c);
    }
    return out;
  }
};

TEST(EntityRenderer, KindsInFixedOrderWithTheirPens) {
  Scene s;
  s.read({"lc2", "10 10 100 10", "lw50", "10 20 100 20", "lw0", "lc10 255",
          "sl 10 30 50 30 50 60 10 60", "lc3", "sl 60 30 90 30 90 60", "z3", "10 40 100 40", "z4",
          "10 50 100 50", "lc0", "10 70 100 70"});
  NoEscKey esc;
  EntityRenderer renderer(s.store, s.pictures, esc);
  s.view = MakeView(0, 0, 4.0, 800, 800);  // lineWidth 50 (0.5 mm) is 2 pixels
  EXPECT_FALSE(renderer.DrawAll(s.ctx));
  // Solids first although they came later in the file; the "z3" line is not drawn.
  std::vector<std::string> expected = {"polygon", "polygon", "line", "line", "line", "line"};
  EXPECT_EQ(s.primitives(), expected);
  // Triangles before quadrangles; colour 10 takes the solid's own RGB.
  EXPECT_EQ(s.canvas.polygonBrushes[0], s.att.PenColour(3));
  EXPECT_EQ(s.canvas.polygonBrushes[1], MakeColour(255, 0, 0));
  EXPECT_EQ(s.canvas.segments[0].width, 1);  // pen 2 is 0.15 mm: 0.6 px
  EXPECT_EQ(s.canvas.segments[1].width, 2);
  EXPECT_EQ(s.canvas.segments[3].colour, kWhite);  // pen 0 draws in the background colour
  EXPECT_FALSE(s.canvas.brushSolid);
}

TEST(EntityRenderer, PicturesAndSolidsOnlyForTheGeneratedPicture) {
  Scene s;
  s.read({"0 0 100 100", "ci 50 50 10", "sl 1 1 20 1 20 20", "ch 5 5 1 0 \"^@BMa.bmp,100",
          "ch 5 5 1 0 \"plain text", "ch 5 5 1 0 \"^@bmlower.bmp,100"});
  NoEscKey esc;
  EntityRenderer renderer(s.store, s.pictures, esc);
  renderer.DrawPicturesAndSolids(s.ctx);
  EXPECT_EQ(s.primitives(), std::vector<std::string>{"polygon"});
  EXPECT_EQ(s.pictures.asked, std::vector<std::string>{"a.bmp"});
}

TEST(EntityRenderer, EscStopsRightAfterTheFirstFigureDrawn) {
  Scene s;
  s.read({"ch 5 5 1 0 \"not a picture", "0 0 10 10", "1 1 11 11"});
  EscAfter esc(0);
  EntityRenderer renderer(s.store, s.pictures, esc);
  EXPECT_TRUE(renderer.DrawAll(s.ctx));
  EXPECT_EQ(esc.polls, 1);
  EXPECT_TRUE(s.canvas.segments.empty());
  // With nothing drawn at all, the first poll between kinds stops it.
  Scene empty;
  EscAfter esc2(0);
  EntityRenderer r2(empty.store, empty.pictures, esc2);
  EXPECT_TRUE(r2.DrawAll(empty.ctx));
  EXPECT_EQ(esc2.polls, 1);
  // Polls come after the 1st, 11th, 21st figure of a kind and after each kind: 25 lines and
  // eight empty kinds before them give 8 + 3 + 1 polls, then circles and arcs 2 more.
  Scene many;
  for (int i = 0; i < 25; ++i) many.read({"0 0 10 10"});
  EscAfter never(1000);
  EntityRenderer r3(many.store, many.pictures, never);
  EXPECT_FALSE(r3.DrawAll(many.ctx));
  EXPECT_EQ(never.polls, 8 + 3 + 1 + 2);
}

}  // namespace
}  // namespace zf61
