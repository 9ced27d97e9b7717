// Reading exchange files into the store, against reading the same file with std::getline and
// doing nothing else; also the peak memory of a read against the size of the stored records.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "ExchangeWorkload.h"
#include "exchange/ExchangeReader.h"

namespace {

const std::filesystem::path& WorkloadFile(size_t lines) {
  static std::map<size_t, std::filesystem::path> files;
  auto found = files.find(lines);
  if (found != files.end()) return found->second;
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("zf61-bench-" + std::to_string(lines) + ".txt");
  zf61::bench::WriteExchangeWorkload(path, lines);
  return files.emplace(lines, path).first->second;
}

// Resident memory figures of this process in kB (Linux); 0 where they cannot be read.
long ProcStatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == field) {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

template <typename T>
size_t Bytes(const std::vector<T>& v) {
  return v.size() * sizeof(T);
}

size_t RecordBytes(const zf61::DrawingStore& s) {
  size_t total = Bytes(s.lines) + Bytes(s.circles) + Bytes(s.arcs) + Bytes(s.texts) +
                 Bytes(s.points) + Bytes(s.extendedPoints) + Bytes(s.linesWithText) +
                 Bytes(s.blocks) + Bytes(s.solidLines) + Bytes(s.solidTriangles) +
                 Bytes(s.solidQuads) + Bytes(s.figureOrder);
  for (const auto& list : s.solidCurveLists) total += Bytes(list);
  return total;
}

void BM_ReadIntoStore(benchmark::State& state) {
  const auto& path = WorkloadFile(static_cast<size_t>(state.range(0)));
  size_t figures = 0;
  for (auto _ : state) {
    zf61::DrawingStore store;
    zf61::ExchangeReader reader(store);
    reader.readExchangeFile(path);
    figures = store.figureCount();
    benchmark::DoNotOptimize(figures);
  }
  // One more read, alone, for its peak memory.
  ResetPeakMemory();
  long before = ProcStatusKb("VmRSS:");
  zf61::DrawingStore store;
  zf61::ExchangeReader reader(store);
  reader.readExchangeFile(path);
  long peak = ProcStatusKb("VmHWM:") - before;
  double records = static_cast<double>(RecordBytes(store));
  state.counters["figures"] = static_cast<double>(figures);
  state.counters["records_MB"] = records / 1e6;
  state.counters["peak_MB"] = static_cast<double>(peak) * 1024.0 / 1e6;
  state.counters["peak_per_record_byte"] = records > 0 ? peak * 1024.0 / records : 0.0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_GetlineOnly(benchmark::State& state) {
  const auto& path = WorkloadFile(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    size_t count = 0;
    while (std::getline(in, line)) ++count;
    benchmark::DoNotOptimize(count);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
}

BENCHMARK(BM_ReadIntoStore)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetlineOnly)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
