// DrawAll at 1920 x 1080 for drawings of 10^3 to 10^5 lines, fitted, and zoomed so that three
// quarters of the drawing lie off-screen.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "DrawingWorkload.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

const zf61::DrawingStore& Drawing(size_t lines) {
  static std::map<size_t, std::unique_ptr<zf61::DrawingStore>> drawings;
  auto& slot = drawings[lines];
  if (!slot) {
    slot = std::make_unique<zf61::DrawingStore>();
    zf61::bench::FillFloorPlan(*slot, lines);
  }
  return *slot;
}

void RenderBenchmark(benchmark::State& state, bool zoomed) {
  const zf61::DrawingStore& store = Drawing(static_cast<size_t>(state.range(0)));
  zf61::TgraAttribute att;
  zf61::QtCanvas canvas(kWidth, kHeight);
  zf61::ViewNavigator nav(
      store,
      [] {
        return zf61::PaintBoxSize{kWidth, kHeight};
      },
      nullptr);
  nav.FitWithoutRedraw();
  // Twice the scale about the lower-left quarter's centre: a quarter of the drawing is shown.
  if (zoomed) nav.ZoomAt(kWidth / 4.0, kHeight * 3 / 4.0, 2.0);
  zf61::DrawContext ctx(canvas, nav.view(), att);
  zf61::QtPictureSource pictures;
  zf61::NoEscKey esc;
  zf61::EntityRenderer renderer(store, pictures, esc);
  for (auto _ : state) {
    zf61::ClearCanvas(canvas, att, kWidth, kHeight);
    renderer.DrawAll(ctx);
  }
  double figures = static_cast<double>(store.figureCount());
  state.counters["figures"] = figures;
  state.counters["us_per_1000_figures"] =
      benchmark::Counter(figures / 1000.0, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
}

void BM_DrawAllFitted(benchmark::State& state) {
  RenderBenchmark(state, false);
}
void BM_DrawAllZoomed(benchmark::State& state) {
  RenderBenchmark(state, true);
}

BENCHMARK(BM_DrawAllFitted)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawAllZoomed)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
