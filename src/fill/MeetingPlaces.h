// Which segment ends meet, found by sorting: every end gets the number of its place, the ends
// that meet (within the point tolerance, and through one another) sharing one number.
#pragma once

#include <cstdint>
#include <vector>

#include "fill/TraceTypes.h"

namespace zf61 {

// Place numbers of the ends, the start of segment i at 2i and its end at 2i + 1, numbered 0, 1,
// ... in the order of their first end. `count` receives the number of places.
std::vector<int32_t> NumberPlaces(const std::vector<TraceSegment>& segments, int32_t& count);

}  // namespace zf61
