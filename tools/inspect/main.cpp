// zf61-inspect: shows what the program reads from an exchange file, and what it draws.
//   zf61-inspect FILE                      the drawing store as JSON
//   zf61-inspect FILE --extents            the drawing extents as JSON
//   zf61-inspect FILE --render W H OUT.png the drawing fitted to a W x H canvas, as PNG
//   zf61-inspect FILE --regions N          the enclosed regions for N chords per arc, as JSON
//   zf61-inspect FILE --picture W H OUT.bmp [--colour RRGGBB] [--opacity N] [--divisions N]
//                [--depth 0..4] [--background 0|1]
//                                          the picture "作図実行" makes, on a fitted W x H area
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/ExchangeReader.h"
#include "fill/RegionTracer.h"
#include "inspect/JsonWriter.h"
#include "inspect/Render.h"
#include "inspect/StoreJson.h"
#include "view/DrawingExtents.h"

namespace {

constexpr int kExitUnreadable = 2;
constexpr int kExitUsage = 64;

int Usage() {
  std::fprintf(stderr,
               "usage: zf61-inspect FILE [--extents | --render W H OUT.png | --regions N |\n"
               "       --picture W H OUT.bmp [--colour RRGGBB] [--opacity N] [--divisions N]\n"
               "                             [--depth 0..4] [--background 0|1]]\n");
  return kExitUsage;
}

void Print(const zf61::JsonWriter& json) {
  std::string text = json.text() + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
}

int PrintExtents(const zf61::DrawingStore& store) {
  zf61::DrawingExtents extents;
  zf61::ComputeDrawingExtents(store, extents);
  zf61::JsonWriter json;
  json.beginObject();
  json.field("XMin", extents.XMin);
  json.field("YMin", extents.YMin);
  json.field("XMax", extents.XMax);
  json.field("YMax", extents.YMax);
  json.endObject();
  Print(json);
  return 0;
}

int PrintRegions(const zf61::DrawingStore& store, int divisions) {
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  tracer.setArcDivisionCount(divisions);
  tracer.traceRegions();
  zf61::JsonWriter json;
  json.beginArray();
  for (const zf61::ClosedRegion& region : tracer.tracedRegions()) {
    json.beginArray();
    for (const zf61::PointD& p : region.points) {
      json.beginArray();
      json.value(p.x);
      json.value(p.y);
      json.endArray();
    }
    json.endArray();
  }
  json.endArray();
  Print(json);
  return 0;
}

bool ParseSize(const char* text, int& out) {
  char* end = nullptr;
  long v = std::strtol(text, &end, 10);
  if (*end != '\0' || v < 1 || v > 20000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  zf61::DrawingStore store;
  zf61::ExchangeReader reader(store);
  if (!reader.readExchangeFile(std::filesystem::path(argv[1]))) {
    std::fprintf(stderr, "zf61-inspect: cannot read %s\n", argv[1]);
    return kExitUnreadable;
  }
  std::string_view mode = argc >= 3 ? argv[2] : "";
  if (mode.empty()) {
    zf61::JsonWriter json;
    zf61::WriteStoreJson(store, json);
    Print(json);
    return 0;
  }
  if (mode == "--extents" && argc == 3) return PrintExtents(store);
  int width = 0, height = 0;
  if (mode == "--regions" && argc == 4) {
    char* end = nullptr;
    long n = std::strtol(argv[3], &end, 10);
    if (*end == '\0')
      return PrintRegions(store, static_cast<int>(std::clamp(n, -1000000L, 1000000L)));
  }
  if (mode == "--render" && argc == 6 && ParseSize(argv[3], width) && ParseSize(argv[4], height)) {
    if (zf61::RenderToPng(store, width, height, argv[5])) return 0;
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", argv[5]);
    return kExitUnreadable;
  }
  if (mode == "--picture" && argc >= 6 && ParseSize(argv[3], width) && ParseSize(argv[4], height)) {
    zf61::PictureOptions options;
    if (!zf61::ParsePictureOptions(argc - 6, argv + 6, options)) return Usage();
    if (zf61::GeneratePictureFile(store, width, height, argv[5], options)) return 0;
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", argv[5]);
    return kExitUnreadable;
  }
  return Usage();
}
