// Rooms beside the closed figures on the same drawings: the plan-like rooms of 10^3 to 10^6
// segments and lattices of 60 x 60 and 200 x 200 cells, each found the way the window finds
// them (chords, pieces, arrangement); the counters give regions, rings and segments.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "TraceWorkload.h"
#include "fill/RegionSearch.h"
#include "rooms/CgalRoomFinder.h"

namespace {

const zf61::DrawingStore& Drawing(size_t size, bool lattice) {
  static std::map<std::pair<size_t, bool>, std::unique_ptr<zf61::DrawingStore>> drawings;
  auto& slot = drawings[{size, lattice}];
  if (!slot) {
    slot = std::make_unique<zf61::DrawingStore>();
    if (lattice) {
      zf61::bench::FillLattice(*slot, size);
    } else {
      zf61::bench::FillRooms(*slot, size);
    }
  }
  return *slot;
}

void Find(benchmark::State& state, zf61::FillMethod method, bool lattice) {
  const zf61::DrawingStore& store = Drawing(static_cast<size_t>(state.range(0)), lattice);
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  zf61::CgalRoomFinder rooms;
  zf61::RegionQuery query;
  query.method = method;
  zf61::FoundRegions found;
  for (auto _ : state) {
    zf61::FindRegions(query, store, att, tracer, &rooms, nullptr, found);
    benchmark::DoNotOptimize(found.rings.data());
  }
  state.counters["regions"] = static_cast<double>(found.count);
  state.counters["rings"] = static_cast<double>(found.rings.size());
  state.counters["segments"] = static_cast<double>(store.lines.size() + store.arcs.size());
}

void BM_Rooms(benchmark::State& state) {
  Find(state, zf61::FillMethod::Rooms, false);
}
void BM_ClosedFigures(benchmark::State& state) {
  Find(state, zf61::FillMethod::ClosedFigures, false);
}
void BM_LatticeRooms(benchmark::State& state) {
  Find(state, zf61::FillMethod::Rooms, true);
}
void BM_LatticeClosedFigures(benchmark::State& state) {
  Find(state, zf61::FillMethod::ClosedFigures, true);
}

// Plan-like drawings of 10^3 to 10^6 segments, once each: the largest take seconds.
void PlanSizes(benchmark::internal::Benchmark* b) {
  for (int64_t segments : {1000, 10000, 100000, 1000000}) b->Arg(segments);
  b->Unit(benchmark::kMillisecond)->Iterations(1);
}

BENCHMARK(BM_Rooms)->Apply(PlanSizes);
BENCHMARK(BM_ClosedFigures)->Apply(PlanSizes);
BENCHMARK(BM_LatticeRooms)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LatticeClosedFigures)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
