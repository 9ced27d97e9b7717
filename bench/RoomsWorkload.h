// Drawings for the rooms benchmark, shaped like the plans that make rooms hard: ends that miss
// each other by a hair, walls that stop on other walls, long walls crossed by many short ones,
// walls drawn twice or in overlapping pieces. Each is one connected building (one group for the
// room finder), sized by its number of segments and placed `origin` from the drawing's origin;
// each returns the building's size (its width), for choosing gaps.
#pragma once

#include <cstddef>
#include <filesystem>

#include "model/DrawingStore.h"

namespace zf61::bench {

// A building of rooms whose walls are drawn room side by room side and a partition wall in every
// other room, meeting its walls in mid-line. A share of the ends (`missing`, from 0 to 1) is moved
// off its corner by a miss of 1e-9 to 1e-3 of the drawing's size (log-uniform, any direction), so
// that they overshoot, stop short or pass beside each other; a door swing closes a corner of some
// rooms.
double FillNearMissPlan(DrawingStore& store, size_t segmentCount, double missing,
                        double origin = 0.0, unsigned seed = 1);

// Long walls from one side of the building to the other, crossed by thousands of short walls
// (through one or two long walls) and met by others that stop on them, exactly or nearly.
double FillLongWalls(DrawingStore& store, size_t segmentCount, double origin = 0.0,
                     unsigned seed = 1);

// A grid of rooms whose every wall is drawn twice (once backwards) or as two pieces that overlap
// in the middle, and whose corners are met by stray ends of walls that repeat a side.
double FillRepeatedWalls(DrawingStore& store, size_t segmentCount, double origin = 0.0,
                         unsigned seed = 1);

// Writes the lines and arcs of `store` as an exchange file that zf61-inspect reads, with every
// coordinate written so that it reads back to the same double.
bool WriteExchangeFile(const DrawingStore& store, const std::filesystem::path& path);

}  // namespace zf61::bench
