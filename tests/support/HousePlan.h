// The house of the samples (a 1:100 plan with double walls, doors, a column and a bathtub, and
// a 1:20 detail of a toilet beside it, in paper millimetres after "bz") and its rooms.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/ExchangeReader.h"
#include "fill/RoomSelection.h"
#include "rooms/CgalRoomFinder.h"

namespace zf61::test {

inline const std::filesystem::path kHousePlan =
    std::filesystem::path(ZF61_PROJECT_SAMPLES_DIR) / "house_plan" / "JWC_TEMP.TXT";

inline void ReadHouse(DrawingStore& store) {
  ExchangeReader reader(store);
  EXPECT_TRUE(reader.readExchangeFile(kHousePlan));
}

// The rooms of the house read into `store`, ends within `gap` joined, 24 chords per curve.
inline RoomSelection HouseRooms(DrawingStore& store, double gap) {
  ReadHouse(store);
  TgraAttribute att;
  RegionTracer tracer(store, att);
  CgalRoomFinder finder;
  RegionQuery query{FillMethod::Rooms, 24, gap, false};
  FoundRegions found;
  EXPECT_TRUE(FindRegions(query, store, att, tracer, &finder, nullptr, found));
  return RoomSelection(query, std::move(found), RealScale::OfDrawing(store, att, 24));
}

}  // namespace zf61::test
