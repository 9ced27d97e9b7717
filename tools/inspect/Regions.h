// The regions and open ends zf61-inspect prints, by either way of filling.
#pragma once

#include "fill/RegionSearch.h"
#include "inspect/JsonWriter.h"

namespace zf61 {

// Finds the regions of `query` (rooms with the program's own room finder) and writes their rings
// as an array of rings, each an array of [x, y] points.
void WriteRegionsJson(const DrawingStore& store, const RegionQuery& query, JsonWriter& json);

// Finds the open ends of `query` and writes them as an array of [x, y] points.
void WriteOpenEndsJson(const DrawingStore& store, const RegionQuery& query, JsonWriter& json);

// Reads "--rooms" and "--gap G" into `query`; false for anything else or a gap that is not a
// number of zero or more.
bool ParseRegionOptions(int argc, char** argv, RegionQuery& query);

}  // namespace zf61
