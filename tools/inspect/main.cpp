// zf61-inspect: shows what the program reads from an exchange file, and what it draws.
//   zf61-inspect FILE                      the drawing store as JSON
//   zf61-inspect FILE --extents            the drawing extents as JSON
//   zf61-inspect FILE --render W H OUT.png the drawing fitted to a W x H canvas, as PNG
//   zf61-inspect FILE --regions N [--rooms] [--gap G]
//                                          the enclosed regions for N chords per arc, as JSON
//                                          (--rooms: the rings of the rooms, ends within G joined)
//   zf61-inspect FILE --open-ends [--gap G] the ends the rooms find meeting nothing, as JSON
//   zf61-inspect FILE --picture W H OUT.bmp [--colour RRGGBB] [--opacity N] [--divisions N]
//                [--depth 0..4] [--background 0|1] [--rooms] [--gap G] [--magnify 1..8]
//                [--pick X Y RRGGBB]... [--skip X Y]...
//                                          the picture "作図実行" makes, on a fitted W x H area;
//                                          with --rooms, the rooms at X Y (display units) picked
//                                          in a colour or skipped, as clicks in the window do
//   zf61-inspect FILE --solids OUT.TXT [--rooms] [--gap G] [--pick X Y RRGGBB]... [--skip X Y]...
//                [--colour RRGGBB] [--opacity N] [--divisions N] [--labels]
//                                          what ＯＫ writes when the fill goes back as solids
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/ExchangeReader.h"
#include "inspect/JsonWriter.h"
#include "inspect/Regions.h"
#include "inspect/Render.h"
#include "inspect/Solids.h"
#include "inspect/StoreJson.h"
#include "view/DrawingExtents.h"

namespace {

constexpr int kExitUnreadable = 2;
constexpr int kExitUsage = 64;

int Usage() {
  std::fprintf(stderr,
               "usage: zf61-inspect FILE [--extents | --render W H OUT.png |\n"
               "       --regions N [--rooms] [--gap G] | --open-ends [--gap G] |\n"
               "       --picture W H OUT.bmp [--colour RRGGBB] [--opacity N] [--divisions N]\n"
               "                             [--depth 0..4] [--background 0|1] [--rooms]\n"
               "                             [--gap G] [--magnify 1..8]\n"
               "                             [--pick X Y RRGGBB]... [--skip X Y]... |\n"
               "       --solids OUT.TXT [--rooms] [--gap G] [--pick X Y RRGGBB]...\n"
               "                        [--skip X Y]... [--colour RRGGBB] [--opacity N]\n"
               "                        [--divisions N] [--labels]]\n");
  return kExitUsage;
}

// Writes the JSON's last part and a newline to stdout, where the rest went as it was made. The
// exit code: 0, or kExitUnreadable when any of it could not be written.
int Print(zf61::JsonWriter& json) {
  bool written = json.finish();
  written = std::fputc('\n', stdout) != EOF && written;
  written = std::fflush(stdout) == 0 && written;
  if (written) return 0;
  std::fprintf(stderr, "zf61-inspect: cannot write the output\n");
  return kExitUnreadable;
}

int PrintExtents(const zf61::DrawingStore& store) {
  zf61::DrawingExtents extents;
  zf61::ComputeDrawingExtents(store, extents);
  zf61::JsonWriter json(stdout);
  json.beginObject();
  json.field("XMin", extents.XMin);
  json.field("YMin", extents.YMin);
  json.field("XMax", extents.XMax);
  json.field("YMax", extents.YMax);
  json.endObject();
  return Print(json);
}

// `--regions N [--rooms] [--gap G]` and `--open-ends [--gap G]`; -1 when the arguments are not
// those.
int PrintRegions(const zf61::DrawingStore& store, std::string_view mode, int argc, char** argv) {
  zf61::RegionQuery query;
  zf61::JsonWriter json(stdout);
  if (mode == "--open-ends") {
    query.method = zf61::FillMethod::Rooms;
    if (!zf61::ParseRegionOptions(argc, argv, query) || query.method != zf61::FillMethod::Rooms)
      return -1;
    zf61::WriteOpenEndsJson(store, query, json);
  } else {
    char* end = nullptr;
    long n = argc >= 1 ? std::strtol(argv[0], &end, 10) : 0;
    if (argc < 1 || *end != '\0' || !zf61::ParseRegionOptions(argc - 1, argv + 1, query)) return -1;
    query.divisions = static_cast<int>(std::clamp(n, -1000000L, 1000000L));
    zf61::WriteRegionsJson(store, query, json);
  }
  return Print(json);
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
    zf61::JsonWriter json(stdout);
    zf61::WriteStoreJson(store, json);
    return Print(json);
  }
  if (mode == "--extents" && argc == 3) return PrintExtents(store);
  int width = 0, height = 0;
  if (mode == "--regions" || mode == "--open-ends") {
    int printed = PrintRegions(store, mode, argc - 3, argv + 3);
    return printed < 0 ? Usage() : printed;
  }
  if (mode == "--render" && argc == 6 && ParseSize(argv[3], width) && ParseSize(argv[4], height)) {
    if (zf61::RenderToPng(store, width, height, argv[5])) return 0;
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", argv[5]);
    return kExitUnreadable;
  }
  if (mode == "--picture" && argc >= 6 && ParseSize(argv[3], width) && ParseSize(argv[4], height)) {
    zf61::FillOptions options;
    if (!zf61::ParseFillOptions(argc - 6, argv + 6, options) || options.labels) return Usage();
    return zf61::GeneratePictureFile(store, width, height, argv[5], options) ? 0 : kExitUnreadable;
  }
  if (mode == "--solids" && argc >= 4) {
    zf61::FillOptions options;
    if (!zf61::ParseFillOptions(argc - 4, argv + 4, options)) return Usage();
    return zf61::WriteSolidsFile(store, argv[3], options) ? 0 : kExitUnreadable;
  }
  return Usage();
}
