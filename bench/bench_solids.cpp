// The fill handed back as solids with area labels, for plans of 250 to 4,000 rooms picked in
// three colours: splitting, labels and the exchange file written, as OK does it. The counters
// give the solids and labels written.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "exchange/ExchangeWriter.h"
#include "fill/RoomSelection.h"
#include "output/SolidHandBack.h"
#include "rooms/CgalRoomFinder.h"
#include "solids/CgalAreaSplitter.h"
#include "support/PlanGrid.h"
#include "window/ControlChecks.h"

namespace {

class AsciiCodec final : public zf61::TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override { return std::string(bytes); }
  std::string utf8ToCp932(std::string_view utf8) const override { return std::string(utf8); }
};

void BM_SolidsOfPickedRooms(benchmark::State& state) {
  size_t count = static_cast<size_t>(state.range(0));
  zf61::DrawingStore store;
  zf61::test::FillPlanGrid(store, count);
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  zf61::CgalRoomFinder finder;
  zf61::RegionQuery query{zf61::FillMethod::Rooms, 24, 0.0, false};
  zf61::FoundRegions found;
  zf61::FindRegions(query, store, att, tracer, &finder, nullptr, found);
  zf61::RealScale scale = zf61::RealScale::OfDrawing(store, att, 24);
  zf61::RoomSelection rooms(query, std::move(found), scale);
  const zf61::Colour colours[] = {zf61::MakeColour(255, 0, 0), zf61::MakeColour(0, 160, 0),
                                  zf61::MakeColour(0, 0, 255)};
  for (size_t i = 0; i < count; ++i) {
    rooms.pickAt(zf61::test::PlanRoomCentre(count, i), colours[i % 3]);
  }
  zf61::FillPlan plan = rooms.plan(colours[0], 128);
  zf61::CgalAreaSplitter splitter;
  AsciiCodec codec;
  std::filesystem::path out = std::filesystem::temp_directory_path() / "bench_solids.txt";
  zf61::SolidHandBackResult result;
  for (auto _ : state) {
    store.outputLines.clear();
    result = zf61::HandBackSolids(store, plan, splitter, scale, zf61::AreaLabel, codec);
    zf61::writeExchangeFile(store, out);
  }
  std::filesystem::remove(out);
  state.counters["rooms"] = static_cast<double>(plan.count());
  state.counters["solids"] = static_cast<double>(result.solids);
  state.counters["labels"] = static_cast<double>(result.labels);
}

BENCHMARK(BM_SolidsOfPickedRooms)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
