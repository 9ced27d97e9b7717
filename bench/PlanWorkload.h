// Floor plans of many rooms for the benchmarks, laid out as a drafter draws them: double-line
// walls meeting in T-junctions, doors with their leaves and swings, fixtures standing in rooms
// and round columns, in paper millimetres after "bz".
#pragma once

#include <cstddef>

#include "model/DrawingStore.h"
#include "model/Geometry.h"

namespace zf61::bench {

// Rooms of 40 x 30 mm in a grid of `rooms` (rounded to whole rows), in layer group 0 at 1:100.
void FillFloorPlan(DrawingStore& store, size_t rooms);

// The middle of room i of such a plan.
PointD RoomCentre(size_t rooms, size_t i);

}  // namespace zf61::bench
