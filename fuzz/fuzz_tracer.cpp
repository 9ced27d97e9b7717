// The tracer as a property: a small drawing decoded from the input (ends drawn from a few grid
// points, some moved by about the tolerance) traced by the indexed and the plain search, which
// must agree region for region, point for point.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "fill/RegionTracer.h"

namespace {

constexpr double kNudges[] = {0.0, 0.9e-8, -0.9e-8, 1.1e-8, 0.0, 0.0, 0.0, 0.0};

double Coordinate(uint8_t b) {
  return (b & 3) * 10.0 + kNudges[(b >> 2) & 7];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zf61::DrawingStore store;
  zf61::TgraAttribute att;
  if (size > 0) store.settings.groupScale[1] = 1 + data[0] % 4;
  for (size_t i = 1; i + 5 <= size && store.figureCount() < 64; i += 5) {
    const uint8_t* r = data + i;
    store.current.group = r[0] >> 7;
    store.current.flags = (r[0] & 0x40) && (r[0] & 0x20) ? 4 : 0;
    switch (r[0] % 8) {
      case 0: {
        zf61::CircleFigure& c = store.appendCircle();
        c.centreX = Coordinate(r[1]), c.centreY = Coordinate(r[2]), c.radius = 10;
        break;
      }
      case 1:
      case 2: {
        zf61::ArcFigure& a = store.appendArc();
        a.centreX = (r[1] & 3) * 10.0, a.centreY = (r[2] & 3) * 10.0, a.radius = 10;
        a.startAngle = (r[3] % 8) * 45.0, a.endAngle = (r[4] % 8) * 45.0;
        a.flatness = 1;
        break;
      }
      default: {
        zf61::LineFigure& l = store.appendLine();
        l.x1 = Coordinate(r[1]), l.y1 = Coordinate(r[2]);
        l.x2 = Coordinate(r[3]), l.y2 = Coordinate(r[4]);
        break;
      }
    }
  }
  zf61::RegionTracer indexed(store, att), reference(store, att);
  int divisions = size > 0 ? 3 + data[size - 1] % 8 : 3;
  indexed.setArcDivisionCount(divisions);
  reference.setArcDivisionCount(divisions);
  indexed.traceRegions(zf61::TraceMethod::Indexed);
  reference.traceRegions(zf61::TraceMethod::Reference);
  FUZZ_CHECK(indexed.tracedRegions() == reference.tracedRegions());
  return 0;
}
