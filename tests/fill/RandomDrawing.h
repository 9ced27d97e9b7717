// Random drawings for comparing the two tracers.
#pragma once

#include <random>

#include "model/DrawingStore.h"
#include "model/UnitGraAtt.h"

namespace zf61::test {

void FillRandomDrawing(DrawingStore& store, TgraAttribute& att, std::mt19937& random);
// Lattices, combs and ladders of unit lines with gaps, in shuffled order, at small and at very
// large coordinates.
void FillRandomNetwork(DrawingStore& store, std::mt19937& random);

}  // namespace zf61::test
