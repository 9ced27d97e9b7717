// Rooms picked in colours and skipped: the click rules, what the fill plan paints, which room
// lies under a point and its area at the scale of its group.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "fill/RoomSelection.h"
#include "support/HousePlan.h"

namespace zf61 {
namespace {

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kGreen = MakeColour(0, 255, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);

ClosedRegion Square(double x0, double y0, double size) {
  return {{{x0, y0}, {x0 + size, y0}, {x0 + size, y0 + size}, {x0, y0 + size}, {x0, y0}}};
}

TEST(RoomPicks, ClicksPickRepaintUnpickSkipAndOrderTheColours) {
  using Change = RoomPicks::Change;
  RoomPicks picks;
  EXPECT_EQ(picks.pick(3, kRed), Change::Picked);
  EXPECT_EQ(picks.pick(3, kBlue), Change::Repainted);
  EXPECT_EQ(picks.pick(3, kBlue), Change::Unpicked);
  EXPECT_TRUE(picks.empty());
  EXPECT_EQ(picks.skip(4), Change::Skipped);
  EXPECT_EQ(picks.pick(4, kRed), Change::Picked);  // a skipped room picked is no longer skipped
  EXPECT_EQ(picks.skippedCount(), 0u);
  EXPECT_EQ(picks.skip(4), Change::Skipped);  // and a picked room skipped is no longer picked
  EXPECT_EQ(picks.pickedCount(), 0u);
  EXPECT_EQ(picks.skip(4), Change::Unskipped);
  EXPECT_TRUE(picks.empty());
  // Colours come in the order they were first picked, rooms ascending within each.
  picks.pick(5, kGreen), picks.pick(1, kRed), picks.pick(2, kGreen);
  auto byColour = picks.byColour();
  ASSERT_EQ(byColour.size(), 2u);
  EXPECT_EQ(byColour[0].colour, kGreen);
  EXPECT_EQ(byColour[0].rooms, (std::vector<size_t>{2, 5}));
  EXPECT_EQ(byColour[1].rooms, (std::vector<size_t>{1}));
  picks.pick(5, kRed);  // green's first pick is gone: red was picked before what is left
  byColour = picks.byColour();
  EXPECT_EQ(byColour[0].colour, kRed);
  EXPECT_EQ(byColour[0].rooms, (std::vector<size_t>{1, 5}));
  EXPECT_EQ(picks.colourCount(), 2u);
  EXPECT_EQ(picks.pickedCount(), 3u);
}

TEST(FillPlan, EverythingUnlessPickedOnlyThePickedByColourOrAllButTheSkipped) {
  FoundRegions found;  // three rooms; the second has a hole, the third lies in that hole
  found.rings = {Square(0, 0, 10), Square(20, 0, 30), Square(30, 10, 10), Square(30, 10, 10)};
  found.outerRings = {0, 1, 3};
  found.count = 3;
  FillPlan all = MakeFillPlan(found, nullptr, kRed, 90);
  ASSERT_EQ(all.layers.size(), 1u);
  EXPECT_EQ(all.layers[0].rings, found.rings);  // as found, in order: the picture of old
  EXPECT_EQ(all.opacity, 90);
  RoomPicks picks;
  EXPECT_EQ(MakeFillPlan(found, &picks, kRed, 90).layers[0].rings, found.rings);
  picks.skip(1);
  FillPlan skipped = MakeFillPlan(found, &picks, kRed, 90);
  ASSERT_EQ(skipped.layers.size(), 1u);
  EXPECT_EQ(skipped.layers[0].rings, (std::vector<ClosedRegion>{found.rings[0], found.rings[3]}));
  EXPECT_EQ(skipped.count(), 2u);
  picks.pick(1, kBlue), picks.pick(2, kGreen), picks.pick(0, kBlue);  // the skip is undone
  FillPlan picked = MakeFillPlan(found, &picks, kRed, 90);
  ASSERT_EQ(picked.layers.size(), 2u);
  EXPECT_EQ(picked.layers[0].colour, kBlue);
  EXPECT_EQ(picked.layers[0].rings,
            (std::vector<ClosedRegion>{found.rings[0], found.rings[1], found.rings[2]}));
  EXPECT_EQ(picked.layers[1].colour, kGreen);
  EXPECT_EQ(picked.layers[1].rings, (std::vector<ClosedRegion>{found.rings[3]}));
  EXPECT_EQ(picked.count(), 3u);
}

RoomSelection HouseRooms(double gap) {
  DrawingStore store;
  return test::HouseRooms(store, gap);
}

TEST(RoomSelection, RoomsUnderPointsAndTheirAreasAtTheScaleOfTheirGroup) {
  RoomSelection house = HouseRooms(0.0);
  // Room A: 4775 x 2775 mm and its half of the sliding door's pocket (3.9 paper mm²).
  std::optional<size_t> a = house.roomAt({25, 15});
  ASSERT_TRUE(a);
  EXPECT_NEAR(house.realArea(*a), (47.75 * 27.75 + 3.9) * 1e4 / 1e6, 1e-9);
  // Room D with its bathtub: the tub is an island of its own, its rim a ring room.
  std::optional<size_t> d = house.roomAt({70, 70});
  std::optional<size_t> rim = house.roomAt({80.5, 64});
  std::optional<size_t> basin = house.roomAt({88, 64});
  ASSERT_TRUE(d && rim && basin);
  EXPECT_NE(*d, *rim);
  EXPECT_NE(*rim, *basin);
  EXPECT_NEAR(house.realArea(*d), (47.75 * 37.75 - 16 * 8) * 1e4 / 1e6, 1e-9);
  EXPECT_NEAR(house.realArea(*rim), (16 * 8 - 14 * 6) * 1e4 / 1e6, 1e-9);
  // The 1:20 detail: 80 x 35 paper mm less its bowl of 24 chords, at 20 times.
  double bowl = 12 * 100 * std::sin(kPi / 12);
  std::optional<size_t> toilet = house.roomAt({130, 10});
  ASSERT_TRUE(toilet);
  EXPECT_NEAR(house.realArea(*toilet), (80 * 35 - bowl) * 400 / 1e6, 1e-9);
  EXPECT_FALSE(house.roomAt({-20, 50}));  // outside the house
  // The wall that stops 0.05 short leaves B open to A's wall cavity; a gap of 0.1 closes it.
  RoomSelection joined = HouseRooms(0.1);
  std::optional<size_t> b = house.roomAt({10, 70}), bJoined = joined.roomAt({10, 70});
  ASSERT_TRUE(b && bJoined);
  EXPECT_NEAR(joined.realArea(*bJoined), (47.75 * 47.75 - 12 * 2.25 * std::sin(kPi / 12)) * 1e-2,
              1e-9);
  EXPECT_GT(house.realArea(*b), joined.realArea(*bJoined) + 0.7);
}

}  // namespace
}  // namespace zf61
