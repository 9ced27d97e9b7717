// DrawAll at 1920 x 1080 against QPainter drawing the same lines, circles and arcs directly, in
// one run: floor plans of 10^4 to 10^6 lines, fitted and zoomed so that three quarters of the
// drawing lie off-screen, and a heavy drawing of 200,000 circles and 100,000 dashed lines,
// fitted and one and two wheel notches in. Reports both times and qpainter_over_drawall, the
// factor by which DrawAll is faster, and the same from processor time (drawall_cpu_ms,
// cpu_ratio). And a drawing of one 6000 x 4000 JPEG photo redrawn once it is kept: whole, a crop
// window of it, turned by 30 degrees, and zoomed in; first_draw_ms is the redraw that decodes it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <map>
#include <memory>

#include "DrawingWorkload.h"
#include "PhotoWorkload.h"
#include "QPainterDrawing.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kWheelStep = 1.5;
constexpr size_t kHeavyCircles = 200000;
constexpr size_t kHeavyLines = 100000;

const zf61::DrawingStore& FloorPlan(size_t lines) {
  static std::map<size_t, std::unique_ptr<zf61::DrawingStore>> drawings;
  auto& slot = drawings[lines];
  if (!slot) {
    slot = std::make_unique<zf61::DrawingStore>();
    zf61::bench::FillFloorPlan(*slot, lines);
  }
  return *slot;
}

const zf61::DrawingStore& HeavyDrawing() {
  static zf61::DrawingStore store = [] {
    zf61::DrawingStore s;
    zf61::bench::FillHeavyDrawing(s, kHeavyCircles, kHeavyLines);
    return s;
  }();
  return store;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The drawing fitted to the benchmark's canvas.
zf61::ViewNavigator FittedView(const zf61::DrawingStore& store) {
  zf61::ViewNavigator nav(store, [] { return zf61::PaintBoxSize{kWidth, kHeight}; }, nullptr);
  nav.FitWithoutRedraw();
  return nav;
}

// Processor time, which other work on a shared machine disturbs far less than the clock.
double CpuMillisecondsSince(std::clock_t start) {
  return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// Times both drawings of the store in every iteration; the iteration's time is DrawAll's.
void DrawBothWays(benchmark::State& state, const zf61::DrawingStore& store,
                  void (*place)(zf61::ViewNavigator&)) {
  zf61::TgraAttribute att;
  zf61::QtCanvas canvas(kWidth, kHeight);
  zf61::ViewNavigator nav = FittedView(store);
  place(nav);
  zf61::DrawContext ctx(canvas, nav.view(), att);
  zf61::QtPictureSource pictures;
  zf61::NoEscKey esc;
  zf61::EntityRenderer renderer(store, pictures, esc);
  QImage plain(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&plain);
  double oursMs = 0.0, qpainterMs = 0.0, oursCpuMs = 0.0, qpainterCpuMs = 0.0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    zf61::ClearCanvas(canvas, att, kWidth, kHeight);
    renderer.DrawAll(ctx);
    double ours = MillisecondsSince(start);
    oursCpuMs += CpuMillisecondsSince(cpuStart);
    start = std::chrono::steady_clock::now();
    cpuStart = std::clock();
    painter.fillRect(0, 0, kWidth, kHeight, Qt::white);
    zf61::bench::DrawWithQPainter(painter, store, nav.view(), att);
    qpainterMs += MillisecondsSince(start);
    qpainterCpuMs += CpuMillisecondsSince(cpuStart);
    oursMs += ours;
    state.SetIterationTime(ours / 1000.0);
  }
  double n = static_cast<double>(state.iterations());
  state.counters["figures"] = static_cast<double>(store.figureCount());
  state.counters["drawall_ms"] = oursMs / n;
  state.counters["qpainter_ms"] = qpainterMs / n;
  state.counters["qpainter_over_drawall"] = qpainterMs / oursMs;
  state.counters["drawall_cpu_ms"] = oursCpuMs / n;
  state.counters["cpu_ratio"] = qpainterCpuMs / oursCpuMs;
}

void Fitted(zf61::ViewNavigator&) {}
// Twice the scale about the lower-left quarter's centre: a quarter of the drawing is shown.
void Zoomed(zf61::ViewNavigator& nav) {
  nav.ZoomAt(kWidth / 4.0, kHeight * 3 / 4.0, 2.0);
}
void OneNotchIn(zf61::ViewNavigator& nav) {
  nav.ZoomAt(kWidth / 3.0, kHeight / 3.0, kWheelStep);
}
void TwoNotchesIn(zf61::ViewNavigator& nav) {
  OneNotchIn(nav);
  OneNotchIn(nav);
}

void BM_FloorPlanFitted(benchmark::State& state) {
  DrawBothWays(state, FloorPlan(static_cast<size_t>(state.range(0))), Fitted);
}
void BM_FloorPlanZoomed(benchmark::State& state) {
  DrawBothWays(state, FloorPlan(static_cast<size_t>(state.range(0))), Zoomed);
}
void BM_HeavyFitted(benchmark::State& state) {
  DrawBothWays(state, HeavyDrawing(), Fitted);
}
void BM_HeavyOneNotchIn(benchmark::State& state) {
  DrawBothWays(state, HeavyDrawing(), OneNotchIn);
}
void BM_HeavyTwoNotchesIn(benchmark::State& state) {
  DrawBothWays(state, HeavyDrawing(), TwoNotchesIn);
}

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;

// Redraws of the photo drawing with one picture source, which keeps the photo after the first.
void DrawPhoto(benchmark::State& state, const std::string& numbers, double dirX, double dirY,
               double zoom) {
  zf61::DrawingStore store;
  zf61::bench::FillPhotoDrawing(store, zf61::bench::PhotoFile(kPhotoWidth, kPhotoHeight), numbers,
                                dirX, dirY);
  zf61::TgraAttribute att;
  zf61::QtCanvas canvas(kWidth, kHeight);
  zf61::ViewNavigator nav = FittedView(store);
  if (zoom != 1.0) nav.ZoomAt(kWidth / 2.0, kHeight / 2.0, zoom);
  zf61::DrawContext ctx(canvas, nav.view(), att);
  zf61::QtPictureSource pictures;
  zf61::NoEscKey esc;
  zf61::EntityRenderer renderer(store, pictures, esc);
  auto redraw = [&] {
    zf61::ClearCanvas(canvas, att, kWidth, kHeight);
    renderer.DrawAll(ctx);
  };
  auto start = std::chrono::steady_clock::now();
  redraw();
  state.counters["first_draw_ms"] = MillisecondsSince(start);
  for (auto _ : state) {
    start = std::chrono::steady_clock::now();
    redraw();
    state.SetIterationTime(MillisecondsSince(start) / 1000.0);
  }
  state.counters["kept_mb"] = static_cast<double>(pictures.keptBytes()) / (1 << 20);
}

void BM_PhotoWhole(benchmark::State& state) {
  DrawPhoto(state, ",200", 1, 0, 1.0);
}
void BM_PhotoCropWindow(benchmark::State& state) {
  DrawPhoto(state, ",200,0.25,0.25,0.5", 1, 0, 1.0);
}
void BM_PhotoTurned30(benchmark::State& state) {
  DrawPhoto(state, ",200", std::sqrt(3.0) / 2, 0.5, 1.0);
}
void BM_PhotoZoomedIn(benchmark::State& state) {
  DrawPhoto(state, ",200", 1, 0, 4.0);
}

BENCHMARK(BM_FloorPlanFitted)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorPlanZoomed)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeavyFitted)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeavyOneNotchIn)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeavyTwoNotchesIn)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoWhole)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoCropWindow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoTurned30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoZoomedIn)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
