// The window on a drawing of 10^5 figure lines (offscreen): from creation to the first full
// redraw (read, fit, draw), and one wheel notch (zoom and full redraw).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWheelEvent>

#include <filesystem>

#include "ExchangeWorkload.h"
#include "shell/Unit1.h"

namespace {

constexpr size_t kLines = 100000;

std::filesystem::path ProgramFolder() {
  static std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "zf61-bench-window";
    std::filesystem::create_directories(path);
    zf61::bench::WriteExchangeWorkload(path / "JWC_TEMP.TXT", kLines);
    return path;
  }();
  return folder;
}

std::unique_ptr<zf61::TForm1> StartForm() {
  auto form =
      std::make_unique<zf61::TForm1>(ProgramFolder() / "zf61", std::make_unique<zf61::QtDialogs>(),
                                     std::make_unique<zf61::NoEscKey>());
  form->resize(1280, 800);
  form->show();
  while (!form->hasBackBuffer()) QApplication::processEvents();
  return form;
}

void BM_StartToFirstRedraw(benchmark::State& state) {
  ProgramFolder();
  for (auto _ : state) {
    auto form = StartForm();
    state.PauseTiming();
    form->hide();
    form.reset();
    std::filesystem::remove(ProgramFolder() / "zf61.dat");
    zf61::bench::WriteExchangeWorkload(ProgramFolder() / "JWC_TEMP.TXT", kLines);
    state.ResumeTiming();
  }
}

void BM_WheelNotch(benchmark::State& state) {
  auto form = StartForm();
  QWidget* box = form->paintBox();
  QPoint at(box->width() / 3, box->height() / 3);
  bool in = true;
  for (auto _ : state) {
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, in ? -120 : 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    in = !in;
  }
}

BENCHMARK(BM_StartToFirstRedraw)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WheelNotch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
