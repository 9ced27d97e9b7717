// Rooms picked in colours and handed back as solids with area labels, on a small drawing decoded
// from the input (lines, circles and arcs between a few grid points, some ends moved by about
// the tolerance, some rooms picked): every piece is a triangle or a convex quadrangle turning
// left, the pieces of each colour cover exactly the area of its parts, and every label written
// lies inside the rooms.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "FuzzCheck.h"
#include "exchange/ExchangeWriter.h"
#include "fill/RoomSelection.h"
#include "output/AreaLabels.h"
#include "output/SolidHandBack.h"
#include "rooms/CgalRoomFinder.h"
#include "solids/CgalAreaSplitter.h"

namespace {

constexpr double kNudges[] = {0.0, 0.9e-8, -0.9e-8, 3e-6, 0.0, 0.0, 0.0, 0.0};

double Coordinate(uint8_t b) {
  return (b & 3) * 10.0 + kNudges[(b >> 2) & 7];
}

class Bytes final : public zf61::TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override { return std::string(bytes); }
  std::string utf8ToCp932(std::string_view utf8) const override { return std::string(utf8); }
};

void Decode(const uint8_t* data, size_t size, zf61::DrawingStore& store) {
  for (size_t i = 2; i + 5 <= size && store.figureCount() < 32; i += 5) {
    const uint8_t* r = data + i;
    switch (r[0] % 8) {
      case 0: {
        zf61::CircleFigure& c = store.appendCircle();
        c.centreX = Coordinate(r[1]), c.centreY = Coordinate(r[2]), c.radius = 2 + r[3] % 9;
        break;
      }
      case 1: {
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
}

double Area(const zf61::SolidPiece& piece) {
  double twice = 0;
  for (int k = 0; k < piece.count; ++k) {
    const zf61::PointD &a = piece.corners[k], &b = piece.corners[(k + 1) % piece.count];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

void CheckSplit(const std::vector<zf61::ClosedRegion>& rings) {
  zf61::CgalAreaSplitter splitter;
  zf61::SplitArea area;
  FUZZ_CHECK(splitter.split(rings, area));
  double pieces = 0, parts = 0;
  for (const zf61::SolidPiece& piece : area.pieces) {
    FUZZ_CHECK(piece.count == 3 || piece.count == 4);
    FUZZ_CHECK(piece.part < area.parts.size());
    FUZZ_CHECK(Area(piece) > 0);
    pieces += Area(piece);
  }
  for (const zf61::PaintedPart& part : area.parts) parts += part.area;
  FUZZ_CHECK(std::fabs(pieces - parts) <= 1e-6 * (1 + parts));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  zf61::DrawingStore store;
  store.settings.bzFlag = true;
  Decode(data, size, store);
  zf61::TgraAttribute att;
  zf61::RegionTracer tracer(store, att);
  zf61::CgalRoomFinder finder;
  zf61::RegionQuery query{zf61::FillMethod::Rooms, 3 + data[0] % 8, (data[1] % 4) * 1e-5, false};
  zf61::FoundRegions found;
  if (!zf61::FindRegions(query, store, att, tracer, &finder, nullptr, found)) return 0;
  zf61::RoomSelection rooms(query, std::move(found), zf61::RealScale::OfDrawing(store, att, 8));
  for (size_t room = 0; room < rooms.rooms().count; ++room) {
    uint8_t choice = data[(room * 7) % size];
    if (choice % 3 == 1) rooms.picks().pick(room, zf61::MakeColour(choice, 0, 0));
    if (choice % 3 == 2) rooms.picks().pick(room, zf61::MakeColour(0, 0, choice));
    FUZZ_CHECK(std::isfinite(rooms.realArea(room)));
  }
  zf61::FillPlan plan = rooms.plan(zf61::MakeColour(0, 255, 0), data[1]);
  for (const zf61::FillLayer& layer : plan.layers) CheckSplit(layer.rings);
  zf61::CgalAreaSplitter splitter;
  Bytes codec;
  zf61::SolidHandBackResult result = zf61::HandBackSolids(
      store, plan, splitter, zf61::RealScale::OfDrawing(store, att, 8),
      [](double m2) { return std::to_string(m2); }, codec);
  FUZZ_CHECK(result.split);
  // Each label: its key line "ch x y 1 0 \"", then its text; the middle of its box is in a
  // painted room (a picked one, or any when none is picked).
  const std::vector<std::string>& lines = store.outputLines;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].rfind("ch ", 0) != 0) continue;
    double x = 0, y = 0;
    FUZZ_CHECK(std::sscanf(lines[i].c_str(), "ch %lf %lf", &x, &y) == 2);
    zf61::TextBox box = zf61::LabelBox(store.settings, lines[i + 1]);
    std::optional<size_t> room = rooms.roomAt({x + box.width / 2, y + box.height / 2});
    FUZZ_CHECK(room && (rooms.picks().pickedCount() == 0 || rooms.picks().isPicked(*room)));
  }
  return 0;
}
