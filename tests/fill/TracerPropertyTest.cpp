// The indexed tracer against the plain one on thousands of seeded random drawings: grids of
// rectangles with shared sides, spurs, near-coincident ends on both sides of the tolerance,
// arcs both ways, reversed and duplicated lines, group scales, hidden layers and "z3", and
// coordinates of every magnitude and sign. The two must agree region for region, point for
// point.
#include <gtest/gtest.h>

#include <random>

#include "RandomDrawing.h"
#include "fill/RegionTracer.h"

namespace zf61 {
namespace {

TEST(TracerProperty, IndexedAgreesWithPlainOnRandomDrawings) {
  int withRegions = 0;
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    DrawingStore store;
    TgraAttribute att;
    test::FillRandomDrawing(store, att, random);
    RegionTracer indexed(store, att), reference(store, att);
    int n = 3 + static_cast<int>(random() % 10);
    indexed.setArcDivisionCount(n);
    reference.setArcDivisionCount(n);
    indexed.traceRegions(TraceMethod::Indexed);
    reference.traceRegions(TraceMethod::Reference);
    ASSERT_EQ(indexed.tracedRegions().size(), reference.tracedRegions().size()) << "seed " << seed;
    ASSERT_EQ(indexed.tracedRegions(), reference.tracedRegions()) << "seed " << seed;
    withRegions += !reference.tracedRegions().empty();
  }
  // The drawings are not trivial: most of them enclose something.
  EXPECT_GT(withRegions, 2000);
}

TEST(TracerProperty, IndexedAgreesWithPlainOnLatticesCombsAndLadders) {
  int withRegions = 0;
  for (unsigned seed = 1; seed <= 1500; ++seed) {
    std::mt19937 random(seed);
    DrawingStore store;
    TgraAttribute att;
    test::FillRandomNetwork(store, random);
    RegionTracer indexed(store, att), reference(store, att);
    indexed.traceRegions(TraceMethod::Indexed);
    reference.traceRegions(TraceMethod::Reference);
    ASSERT_EQ(indexed.tracedRegions().size(), reference.tracedRegions().size()) << "seed " << seed;
    ASSERT_EQ(indexed.tracedRegions(), reference.tracedRegions()) << "seed " << seed;
    withRegions += !reference.tracedRegions().empty();
  }
  EXPECT_GT(withRegions, 1000);
}

}  // namespace
}  // namespace zf61
