// The window on a drawing of 10^5 figure lines (offscreen): from creation to the first full
// redraw (read, fit, draw), and one wheel notch (zoom and full redraw).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWheelEvent>

#include <filesystem>

#include "ExchangeWorkload.h"
#include "files/FileOps.h"
#include "platform/QtPictureSource.h"
#include "platform/QtTextCodec.h"
#include "shell/MainWindow.h"

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

struct Services {
  zf61::NoEscKey esc;
  zf61::QtPictureSource pictures;
  zf61::QtTextCodec codec;
  zf61::SteadyClock clock;
  zf61::FormServices get() {
    return {esc, pictures, codec, zf61::SystemFileOps(), zf61::StandardDepthConverter(), clock};
  }
};

Services& TheServices() {
  static Services services;
  return services;
}

std::unique_ptr<zf61::MainWindow> StartForm() {
  auto form = std::make_unique<zf61::MainWindow>(ProgramFolder() / "zf61", TheServices().get());
  form->resize(1280, 800);
  form->show();
  while (!form->form().hasBackBuffer()) QApplication::processEvents();
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
