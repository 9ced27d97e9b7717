// Tracing rooms of 10^3 to 10^6 open segments, and lattices of 20 x 20 to 200 x 200 cells near
// and far from the origin, with the indexed tracer, and with the plain one as far as it finishes
// in reasonable time; the counters give regions and segments.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>

#include "TraceWorkload.h"
#include "fill/RegionTracer.h"

namespace {

const zf61::DrawingStore& Rooms(size_t segments) {
  static std::map<size_t, std::unique_ptr<zf61::DrawingStore>> drawings;
  auto& slot = drawings[segments];
  if (!slot) {
    slot = std::make_unique<zf61::DrawingStore>();
    zf61::bench::FillRooms(*slot, segments);
  }
  return *slot;
}

void Trace(benchmark::State& state, zf61::TraceMethod method) {
  const zf61::DrawingStore& store = Rooms(static_cast<size_t>(state.range(0)));
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  for (auto _ : state) {
    tracer.traceRegions(method);
    benchmark::DoNotOptimize(tracer.tracedRegions().data());
  }
  state.counters["regions"] = static_cast<double>(tracer.tracedRegions().size());
  state.counters["segments"] = static_cast<double>(store.lines.size() + store.arcs.size());
}

void BM_TraceIndexed(benchmark::State& state) {
  Trace(state, zf61::TraceMethod::Indexed);
}
void BM_TraceReference(benchmark::State& state) {
  Trace(state, zf61::TraceMethod::Reference);
}

// Lattices at the origin, and far from it (1e10 display units) where the end-point search
// must not slow down.
const zf61::DrawingStore& Lattice(size_t cells, double origin) {
  static std::map<std::pair<size_t, double>, std::unique_ptr<zf61::DrawingStore>> drawings;
  auto& slot = drawings[{cells, origin}];
  if (!slot) {
    slot = std::make_unique<zf61::DrawingStore>();
    zf61::bench::FillLattice(*slot, cells, origin);
  }
  return *slot;
}

void TraceLattice(benchmark::State& state, zf61::TraceMethod method, double origin = 0.0) {
  const zf61::DrawingStore& store = Lattice(static_cast<size_t>(state.range(0)), origin);
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  for (auto _ : state) tracer.traceRegions(method);
  state.counters["regions"] = static_cast<double>(tracer.tracedRegions().size());
  state.counters["segments"] = static_cast<double>(store.lines.size());
}

void BM_LatticeIndexed(benchmark::State& state) {
  TraceLattice(state, zf61::TraceMethod::Indexed);
}
void BM_LatticeReference(benchmark::State& state) {
  TraceLattice(state, zf61::TraceMethod::Reference);
}
void BM_FarLatticeIndexed(benchmark::State& state) {
  TraceLattice(state, zf61::TraceMethod::Indexed, 1e10);
}
void BM_FarLatticeReference(benchmark::State& state) {
  TraceLattice(state, zf61::TraceMethod::Reference, 1e10);
}

BENCHMARK(BM_LatticeIndexed)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_LatticeReference)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FarLatticeIndexed)
    ->Arg(10)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_FarLatticeReference)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(BM_TraceIndexed)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceReference)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
