// Picture generation on a 1920 x 1080 area for a drawing of about 10^4 regions, whole (at every
// depth, and 4 times finer at 32 bits) and split into its phases: trace, paint, depth
// conversion, file write.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "TraceWorkload.h"
#include "fill/FillPainter.h"
#include "output/BmpWriter.h"
#include "output/PictureGenerator.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/CanvasPrimitives.h"
#include "view/ViewNavigator.h"
#include "window/ControlChecks.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Rooms enough for about 10^4 regions.
constexpr size_t kSegments = 56500;

struct Scene {
  zf61::DrawingStore store;
  zf61::TgraAttribute att;
  zf61::QtCanvas canvas{kWidth, kHeight};
  std::unique_ptr<zf61::ViewNavigator> nav;
  zf61::QtPictureSource pictures;
  zf61::NoEscKey esc;
  std::unique_ptr<zf61::EntityRenderer> renderer;
  std::unique_ptr<zf61::RegionTracer> tracer;
  std::filesystem::path temp = std::filesystem::temp_directory_path() / "zf61_bench.BMP";

  Scene() {
    zf61::bench::FillRooms(store, kSegments);
    nav = std::make_unique<zf61::ViewNavigator>(
        store,
        [] {
          return zf61::PaintBoxSize{kWidth, kHeight};
        },
        nullptr);
    nav->FitWithoutRedraw();
    renderer = std::make_unique<zf61::EntityRenderer>(store, pictures, esc);
    tracer = std::make_unique<zf61::RegionTracer>(store, att);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_GenerateWhole(benchmark::State& state) {
  Scene& s = TheScene();
  zf61::PictureGenerator generator(s.att, s.nav->view(), *s.tracer, *s.renderer);
  zf61::PictureControls controls;
  controls.edit1 = s.temp.string();
  controls.edit2 = "128";
  controls.edit3 = "24";
  controls.fillColour = zf61::MakeColour(255, 0, 0);
  controls.depthIndex = static_cast<int>(state.range(0));
  controls.magnification = static_cast<int>(state.range(1));
  for (auto _ : state) {
    auto result = GeneratePicture(generator, controls, "", s.canvas, s.temp, "");
    benchmark::DoNotOptimize(result.outcome);
  }
  state.counters["regions"] = static_cast<double>(s.tracer->tracedRegions().size());
}

void BM_PhaseTrace(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) s.tracer->traceRegions();
}

void BM_PhasePaint(benchmark::State& state) {
  Scene& s = TheScene();
  s.tracer->traceRegions();
  zf61::FillPainter painter(s.nav->view());
  for (auto _ : state) {
    painter.BeginGraphics(s.canvas);
    zf61::ClearCanvas(s.canvas, s.att, kWidth, kHeight);
    zf61::DrawContext ctx(s.canvas, s.nav->view(), s.att);
    s.renderer->DrawPicturesAndSolids(ctx);
    painter.FillRegions(s.tracer->tracedRegions(), zf61::MakeColour(255, 0, 0), 128);
    painter.EndGraphics();
  }
}

void BM_PhaseConvert(benchmark::State& state) {
  Scene& s = TheScene();
  zf61::RasterImage pixels = s.canvas.readPixels();
  auto depth = static_cast<zf61::ColourDepth>(state.range(0));
  for (auto _ : state) {
    zf61::IndexedImage converted = zf61::ConvertToDepth(pixels, depth);
    benchmark::DoNotOptimize(converted.width);
  }
}

void BM_PhaseWrite(benchmark::State& state) {
  Scene& s = TheScene();
  auto depth = static_cast<zf61::ColourDepth>(state.range(0));
  zf61::IndexedImage converted = zf61::ConvertToDepth(s.canvas.readPixels(), depth);
  for (auto _ : state) benchmark::DoNotOptimize(zf61::WriteBmpFile(s.temp, converted));
}

// (depth, magnification): every depth at 1, and 32 bits at 4.
BENCHMARK(BM_GenerateWhole)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1}})
    ->Args({4, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhaseTrace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhasePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhaseConvert)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhaseWrite)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
