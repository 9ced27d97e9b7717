// Rooms beside the closed figures on the same drawings, each found the way the window finds them
// (chords, pieces, arrangement): plan-like separate rooms of 10^3 to 10^6 segments, lattices up
// to 10^6 lines, and connected buildings of 10^4 to 10^6 segments with near-miss ends (one in 20
// ends, and every other end), walls stopping on walls, long walls crossed by short ones and
// repeated walls, with no gap and with a gap of 1e-4 of the building's size, near the origin and
// 1e8 from it. Times are wall-clock and the process's processor time (both threads). The counters
// give regions, rings, open ends and segments; Esc inside the sweep is timed too.
//
// `bench_rooms --write-workloads DIR` writes the buildings and lattices as exchange files instead,
// so that whole runs of zf61-inspect can be timed on them.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "RoomsWorkload.h"
#include "TraceWorkload.h"
#include "fill/RegionSearch.h"
#include "rooms/CgalRoomFinder.h"
#include "rooms/RoomWorkers.h"
#include "rooms/WorkTally.h"

namespace {

using zf61::DrawingStore;

enum Workload : int64_t { kPlan, kLattice, kNearMiss, kLongWalls, kRepeatedWalls, kManyNearMisses };
// The share of ends that miss their corner: a plan with thousands of near misses in 10^5
// segments, and one where every other end misses.
constexpr double kMissing = 0.05;
constexpr double kManyMissing = 0.5;
constexpr double kFar = 1e8;

// The drawing, and its size where it is a building (zero otherwise).
double Fill(DrawingStore& store, Workload kind, size_t size, double origin) {
  switch (kind) {
    case kPlan:
      zf61::bench::FillRooms(store, size);
      return 0.0;
    case kLattice:
      zf61::bench::FillLattice(store, size, origin);
      return 0.0;
    case kNearMiss:
      return zf61::bench::FillNearMissPlan(store, size, kMissing, origin);
    case kManyNearMisses:
      return zf61::bench::FillNearMissPlan(store, size, kManyMissing, origin);
    case kLongWalls:
      return zf61::bench::FillLongWalls(store, size, origin);
    case kRepeatedWalls:
      return zf61::bench::FillRepeatedWalls(store, size, origin);
  }
  return 0.0;
}

// The gap of a building: 1e-4 of its size.
constexpr double kGapOfSize = 1e-4;

struct Building {
  DrawingStore store;
  double size = 0.0;
};

const Building& Drawing(Workload kind, size_t size, double origin) {
  static std::map<std::tuple<int64_t, size_t, double>, std::unique_ptr<Building>> drawings;
  auto& slot = drawings[{kind, size, origin}];
  if (!slot) {
    slot = std::make_unique<Building>();
    slot->size = Fill(slot->store, kind, size, origin);
  }
  return *slot;
}

void Find(benchmark::State& state, zf61::FillMethod method, Workload kind, size_t size,
          bool withGap, double origin) {
  const Building& drawing = Drawing(kind, size, origin);
  const DrawingStore& store = drawing.store;
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  zf61::CgalRoomFinder rooms;
  zf61::RegionQuery query;
  query.method = method;
  query.gap = withGap ? kGapOfSize * drawing.size : 0.0;
  query.openEnds = true;
  zf61::FoundRegions found;
  for (auto _ : state) {
    zf61::FindRegions(query, store, att, tracer, &rooms, nullptr, found);
    benchmark::DoNotOptimize(found.rings.data());
  }
  state.counters["regions"] = static_cast<double>(found.count);
  state.counters["rings"] = static_cast<double>(found.rings.size());
  state.counters["open"] = static_cast<double>(found.openEnds.size());
  state.counters["segments"] = static_cast<double>(store.lines.size() + store.arcs.size());
}

void BM_Rooms(benchmark::State& state) {
  Find(state, zf61::FillMethod::Rooms, kPlan, state.range(0), false, 0.0);
}
void BM_ClosedFigures(benchmark::State& state) {
  Find(state, zf61::FillMethod::ClosedFigures, kPlan, state.range(0), false, 0.0);
}
// Arguments: cells a side, 1e8 from the origin or not.
void BM_LatticeRooms(benchmark::State& state) {
  Find(state, zf61::FillMethod::Rooms, kLattice, state.range(0), false, state.range(1) * kFar);
}
void BM_LatticeClosedFigures(benchmark::State& state) {
  Find(state, zf61::FillMethod::ClosedFigures, kLattice, state.range(0), false,
       state.range(1) * kFar);
}
// Arguments: workload, segments, with a gap or not, 1e8 from the origin or not.
void BM_BuildingRooms(benchmark::State& state) {
  Find(state, zf61::FillMethod::Rooms, static_cast<Workload>(state.range(0)), state.range(1),
       state.range(2), state.range(3) * kFar);
}
void BM_BuildingClosedFigures(benchmark::State& state) {
  Find(state, zf61::FillMethod::ClosedFigures, static_cast<Workload>(state.range(0)),
       state.range(1), false, state.range(3) * kFar);
}

void PlanSizes(benchmark::internal::Benchmark* b) {
  for (int64_t segments : {1000, 10000, 100000, 1000000}) b->Arg(segments);
  b->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();
}

void LatticeSizes(benchmark::internal::Benchmark* b) {
  for (int64_t far : {0, 1}) {
    for (int64_t cells : {60, 200, 707}) b->Args({cells, far});
  }
  b->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();
}

void BuildingSizes(benchmark::internal::Benchmark* b) {
  for (int64_t kind : {kNearMiss, kLongWalls, kRepeatedWalls, kManyNearMisses}) {
    for (int64_t far : {0, 1}) {
      for (int64_t segments : {10000, 100000, 1000000}) {
        for (int64_t gap : {0, 1}) b->Args({kind, segments, gap, far});
      }
    }
  }
  b->ArgNames({"kind", "segments", "gap", "far"});
  b->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();
}

void ClosedBuildingSizes(benchmark::internal::Benchmark* b) {
  for (int64_t kind : {kNearMiss, kLongWalls, kRepeatedWalls}) {
    for (int64_t segments : {10000, 100000, 1000000}) b->Args({kind, segments, 0, 0});
  }
  b->ArgNames({"kind", "segments", "gap", "far"});
  b->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();
}

// Goes on until the progress shows the sweep of a one-group drawing half done, then asks to stop
// and notes when it did.
class StopHalfwayThroughSweep : public zf61::TraceProgress {
 public:
  explicit StopHalfwayThroughSweep(size_t pieces)
      : halfway_(pieces * (zf61::rooms::kOpenEndUnits + zf61::rooms::kJoinUnits) +
                 pieces * zf61::rooms::kSweepUnits / 2) {}
  bool keepGoing(size_t done, size_t) override {
    if (done < halfway_) return true;
    asked = std::chrono::steady_clock::now();
    return false;
  }
  std::chrono::steady_clock::time_point asked;

 private:
  size_t halfway_;
};

double MillisecondsSince(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

// Esc halfway through the sweep of a building of 10^6 segments: how long the search takes to
// return after the stop is asked for, and until the threads have dropped it and are free again.
// Arguments: workload, segments, with a gap or not.
void BM_StopInsideSweep(benchmark::State& state) {
  auto kind = static_cast<Workload>(state.range(0));
  const Building& drawing = Drawing(kind, state.range(1), 0.0);
  zf61::TgraAttribute att;
  std::vector<zf61::RoomPiece> pieces =
      zf61::CollectRoomPieces(drawing.store, att, zf61::kDefaultArcDivisions);
  const double gap = state.range(2) ? kGapOfSize * drawing.size : 0.0;
  zf61::CgalRoomFinder finder;
  double toReturn = 0, toFree = 0;
  for (auto _ : state) {
    StopHalfwayThroughSweep progress(pieces.size());
    zf61::Rooms rooms;
    bool finished = finder.findRooms(pieces, gap, &progress, rooms);
    toReturn = MillisecondsSince(progress.asked);
    zf61::rooms::WaitForWorkers();
    toFree = MillisecondsSince(progress.asked);
    if (finished) state.SkipWithError("the search did not stop");
  }
  state.counters["stop_to_return_ms"] = toReturn;
  state.counters["stop_to_free_ms"] = toFree;
}

BENCHMARK(BM_Rooms)->Apply(PlanSizes);
BENCHMARK(BM_ClosedFigures)->Apply(PlanSizes);
BENCHMARK(BM_LatticeRooms)->Apply(LatticeSizes);
BENCHMARK(BM_LatticeClosedFigures)->Apply(LatticeSizes);
BENCHMARK(BM_BuildingRooms)->Apply(BuildingSizes);
BENCHMARK(BM_BuildingClosedFigures)->Apply(ClosedBuildingSizes);
BENCHMARK(BM_StopInsideSweep)
    ->Args({kLattice, 707, 0})
    ->Args({kNearMiss, 1000000, 1})
    ->ArgNames({"kind", "segments", "gap"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The exchange files for whole runs of zf61-inspect, named by workload, size and place.
int WriteWorkloads(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const char* names[] = {"plan", "lattice", "nearmiss", "longwalls", "repeated", "manymisses"};
  for (int64_t kind : {kLattice, kNearMiss, kLongWalls, kRepeatedWalls, kManyNearMisses}) {
    for (int64_t far : {0, 1}) {
      for (size_t size : {100000, 1000000}) {
        size_t count = kind == kLattice ? (size == 100000 ? 223 : 707) : size;
        DrawingStore store;
        double buildingSize = Fill(store, static_cast<Workload>(kind), count, far * kFar);
        std::string name =
            std::string(names[kind]) + "-" + std::to_string(size) + (far ? "-far" : "") + ".txt";
        if (!zf61::bench::WriteExchangeFile(store, folder / name)) return 1;
        std::printf("%s gap %.17g\n", name.c_str(), kGapOfSize * buildingSize);
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-workloads") == 0) return WriteWorkloads(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
