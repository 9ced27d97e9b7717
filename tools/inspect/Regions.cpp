#include "inspect/Regions.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "rooms/CgalRoomFinder.h"

namespace zf61 {

namespace {

void WritePoint(const PointD& p, JsonWriter& json) {
  json.beginArray();
  json.value(p.x);
  json.value(p.y);
  json.endArray();
}

FoundRegions Find(const DrawingStore& store, RegionQuery query) {
  TgraAttribute att;
  RegionTracer tracer(store, att);
  CgalRoomFinder rooms;
  FoundRegions found;
  FindRegions(query, store, att, tracer, &rooms, nullptr, found);
  return found;
}

}  // namespace

void WriteRegionsJson(const DrawingStore& store, const RegionQuery& query, JsonWriter& json) {
  FoundRegions found = Find(store, query);
  json.beginArray();
  for (const ClosedRegion& region : found.rings) {
    json.beginArray();
    for (const PointD& p : region.points) WritePoint(p, json);
    json.endArray();
  }
  json.endArray();
}

void WriteOpenEndsJson(const DrawingStore& store, const RegionQuery& query, JsonWriter& json) {
  RegionQuery withEnds = query;
  withEnds.openEnds = true;
  FoundRegions found = Find(store, withEnds);
  json.beginArray();
  for (const PointD& p : found.openEnds) WritePoint(p, json);
  json.endArray();
}

bool ParseRegionOptions(int argc, char** argv, RegionQuery& query) {
  for (int i = 0; i < argc; ++i) {
    std::string_view name = argv[i];
    if (name == "--rooms") {
      query.method = FillMethod::Rooms;
    } else if (name == "--gap" && i + 1 < argc) {
      char* end = nullptr;
      double gap = std::strtod(argv[++i], &end);
      if (*end != '\0' || !std::isfinite(gap) || gap < 0) return false;
      query.gap = gap;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace zf61
