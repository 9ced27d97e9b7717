// The fill handed back as solids and area labels, read back as Jw_cad would read them: every
// colour over white paper, the picked rooms covered exactly, labels inside their rooms.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "exchange/ExchangeReader.h"
#include "exchange/ExchangeWriter.h"
#include "fill/RoomLocator.h"
#include "fill/RoomSelection.h"
#include "output/AreaLabels.h"
#include "output/SolidHandBack.h"
#include "solids/CgalAreaSplitter.h"
#include "support/HousePlan.h"
#include "support/PlanGrid.h"
#include "support/TempDir.h"
#include "window/ControlChecks.h"

namespace zf61 {
namespace {

// ASCII as it is, and the square-metre sign of the labels.
class LabelCodec final : public TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override { return Swap(bytes, 1, 0); }
  std::string utf8ToCp932(std::string_view utf8) const override { return Swap(utf8, 0, 1); }

 private:
  static std::string Swap(std::string_view text, int from, int to) {
    const std::string pair[] = {"㎡", "\x87\x75"};
    std::string out(text);
    for (size_t at = out.find(pair[from]); at != std::string::npos; at = out.find(pair[from]))
      out.replace(at, pair[from].size(), pair[to]);
    return out;
  }
};

TEST(SolidHandBack, ColoursAreLaidOverWhitePaper) {
  EXPECT_EQ(SolidColour(MakeColour(255, 0, 0), 128), MakeColour(255, 127, 127));
  EXPECT_EQ(SolidColour(MakeColour(0, 100, 200), 255), MakeColour(0, 100, 200));
  EXPECT_EQ(SolidColour(MakeColour(0, 100, 200), 0), MakeColour(255, 255, 255));
  EXPECT_EQ(SolidColour(MakeColour(10, 0, 0), 77), MakeColour(181, 178, 178));  // 255-74.2
  EXPECT_EQ(AreaLabel(13.289625), "13.29㎡");
}

double Area(const std::vector<PointD>& p) {
  double twice = 0;
  for (size_t k = 0; k < p.size(); ++k) {
    twice += p[k].x * p[(k + 1) % p.size()].y - p[(k + 1) % p.size()].x * p[k].y;
  }
  return std::fabs(twice) / 2;
}

// The house of the samples: rooms A (red) and D (blue) and a wall's cavity (red) picked.
TEST(SolidHandBack, PickedRoomsComeBackAsSolidsWithTheirAreasWrittenIn) {
  DrawingStore store;
  RoomSelection rooms = test::HouseRooms(store, 0.0);
  TgraAttribute att;
  const Colour red = MakeColour(255, 0, 0), blue = MakeColour(0, 0, 255);
  ASSERT_TRUE(rooms.pickAt({25, 15}, red) && rooms.pickAt({70, 70}, blue));
  ASSERT_TRUE(rooms.pickAt({50, 60}, red));  // the middle wall's cavity: too narrow for a label
  CgalAreaSplitter splitter;
  LabelCodec codec;
  SolidHandBackResult result =
      HandBackSolids(store, rooms.plan(red, 128), splitter, RealScale::OfDrawing(store, att, 24),
                     AreaLabel, codec);
  ASSERT_TRUE(result.split);
  EXPECT_EQ(result.labels, 2u);
  EXPECT_EQ(store.outputLines.front(), "bz");
  EXPECT_EQ(store.outputLines[1], "lc10 " + std::to_string(SolidColour(red, 128)));

  test::TempDir dir;
  ASSERT_TRUE(writeExchangeFile(store, dir / "JWC_TEMP.TXT"));
  DrawingStore back;
  ExchangeReader again(back);
  ASSERT_TRUE(again.readExchangeFile(dir / "JWC_TEMP.TXT"));
  EXPECT_TRUE(back.settings.bzFlag);
  EXPECT_TRUE(back.solidLines.empty());  // no piece flat or with a corner repeated
  std::map<int32_t, double> areaByColour;
  for (const SolidTriangleFigure& f : back.solidTriangles) {
    areaByColour[f.solidRgb] += Area({{f.x1, f.y1}, {f.x2, f.y2}, {f.x3, f.y3}});
  }
  for (const SolidQuadFigure& f : back.solidQuads) {
    areaByColour[f.solidRgb] += Area({{f.x1, f.y1}, {f.x2, f.y2}, {f.x3, f.y3}, {f.x4, f.y4}});
  }
  ASSERT_EQ(areaByColour.size(), 2u);
  double a = rooms.realArea(*rooms.roomAt({25, 15})) * 100;  // paper mm² at 1:100
  double cavity = rooms.realArea(*rooms.roomAt({50, 60})) * 100;
  double d = rooms.realArea(*rooms.roomAt({70, 70})) * 100;
  EXPECT_NEAR(areaByColour[static_cast<int32_t>(SolidColour(red, 128))], a + cavity, 1e-6);
  EXPECT_NEAR(areaByColour[static_cast<int32_t>(SolidColour(blue, 128))], d, 1e-6);
  // The labels: at the text size of style 1 (2 x 2 mm), inside their rooms.
  ASSERT_EQ(back.texts.size(), 2u);
  std::map<std::string, PointD> labels;
  for (const TextFigure& t : back.texts) labels[t.text] = {t.x, t.y};
  ASSERT_TRUE(labels.count("13.29\x87\x75") && labels.count("16.75\x87\x75"));
  PointD labelA = labels["13.29\x87\x75"], labelD = labels["16.75\x87\x75"];
  EXPECT_EQ(rooms.roomAt(labelA), rooms.roomAt({25, 15}));
  EXPECT_EQ(rooms.roomAt({labelA.x + 7, labelA.y + 2}), rooms.roomAt({25, 15}));
  EXPECT_EQ(rooms.roomAt(labelD), rooms.roomAt({70, 70}));
  EXPECT_EQ(rooms.roomAt({labelD.x + 7, labelD.y + 2}), rooms.roomAt({70, 70}));
}

// Three hundred rooms with door swings, fixtures standing in them and columns, picked in three
// colours and read back as Jw_cad reads them: sampled points inside a picked room are covered
// by one solid of its colour, others by none, within 0.5 %; the areas agree as closely; every
// label lies in its picked room.
TEST(SolidHandBack, HundredsOfRoomsComeBackCoveredExactly) {
  const size_t count = 300;
  DrawingStore store;
  test::FillPlanGrid(store, count);
  TgraAttribute att;
  RegionTracer tracer(store, att);
  CgalRoomFinder finder;
  RegionQuery query{FillMethod::Rooms, 24, 0.0, false};
  FoundRegions found;
  ASSERT_TRUE(FindRegions(query, store, att, tracer, &finder, nullptr, found));
  RoomSelection rooms(query, std::move(found), RealScale::OfDrawing(store, att, 24));
  const Colour colours[] = {MakeColour(255, 0, 0), MakeColour(0, 160, 0), MakeColour(0, 0, 255)};
  for (size_t i = 0; i < count; ++i) {
    ASSERT_TRUE(rooms.pickAt(test::PlanRoomCentre(count, i), colours[i % 3])) << i;
  }
  CgalAreaSplitter splitter;
  LabelCodec codec;
  SolidHandBackResult result =
      HandBackSolids(store, rooms.plan(colours[0], 200), splitter,
                     RealScale::OfDrawing(store, att, 24), AreaLabel, codec);
  ASSERT_TRUE(result.split);
  EXPECT_EQ(result.labels, count);
  test::TempDir dir;
  ASSERT_TRUE(writeExchangeFile(store, dir / "JWC_TEMP.TXT"));
  DrawingStore back;
  ExchangeReader reader(back);
  ASSERT_TRUE(reader.readExchangeFile(dir / "JWC_TEMP.TXT"));
  EXPECT_TRUE(back.solidLines.empty());
  struct Piece {
    std::vector<PointD> corners;
    int32_t colour;
  };
  std::vector<Piece> pieces;
  for (const SolidTriangleFigure& f : back.solidTriangles) {
    pieces.push_back({{{f.x1, f.y1}, {f.x2, f.y2}, {f.x3, f.y3}}, f.solidRgb});
  }
  for (const SolidQuadFigure& f : back.solidQuads) {
    pieces.push_back({{{f.x1, f.y1}, {f.x2, f.y2}, {f.x3, f.y3}, {f.x4, f.y4}}, f.solidRgb});
  }
  double solidArea = 0, roomArea = 0;
  for (const Piece& p : pieces) solidArea += Area(p.corners);
  for (size_t room = 0; room < rooms.rooms().count; ++room) {
    if (rooms.picks().isPicked(room)) roomArea += rooms.realArea(room) * 1e6;  // at 1:1
  }
  EXPECT_NEAR(solidArea / roomArea, 1.0, 0.005);
  auto strictlyIn = [](const std::vector<PointD>& c, PointD p) {
    for (size_t k = 0; k < c.size(); ++k) {
      const PointD &a = c[k], &b = c[(k + 1) % c.size()];
      if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) <= 0) return false;
    }
    return true;
  };
  std::mt19937 random(7);
  std::uniform_real_distribution<double> x(0, 18 * test::kPlanRoomWidth),
      y(0, 17 * test::kPlanRoomHeight);
  int painted = 0, wrong = 0, twice = 0;
  for (int n = 0; n < 6000; ++n) {
    PointD p{x(random), y(random)};
    Colour expected = 0;
    std::optional<size_t> room = rooms.roomAt(p);
    bool picked = room && rooms.picks().isPicked(*room, &expected);
    int covered = 0, inColour = 0;
    for (const Piece& piece : pieces) {
      if (!strictlyIn(piece.corners, p)) continue;
      ++covered;
      inColour += piece.colour == static_cast<int32_t>(SolidColour(expected, 200));
    }
    painted += picked;
    wrong += picked ? inColour != 1 : covered != 0;
    twice += covered > 1;
  }
  EXPECT_LE(wrong, painted / 200);
  EXPECT_LE(twice, painted / 200);
  for (const TextFigure& label : back.texts) {
    TextBox box = LabelBox(back.settings, "x");
    std::optional<size_t> room = rooms.roomAt({label.x, label.y + box.height / 2});
    EXPECT_TRUE(room && rooms.picks().isPicked(*room)) << label.x << " " << label.y;
  }
}

}  // namespace
}  // namespace zf61
