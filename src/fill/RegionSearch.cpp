#include "fill/RegionSearch.h"

namespace zf61 {

bool FindRegions(const RegionQuery& query, const DrawingStore& store, const TgraAttribute& att,
                 RegionTracer& tracer, RoomFinder* rooms, TraceProgress* progress,
                 FoundRegions& found) {
  found = FoundRegions();
  tracer.setArcDivisionCount(query.divisions);
  if (query.method == FillMethod::Rooms && rooms) {
    tracer.clearRegions();
    Rooms result;
    std::vector<RoomPiece> pieces = CollectRoomPieces(store, att, tracer.arcDivisionCount());
    if (!rooms->findRooms(pieces, query.gap, progress, result)) return false;
    found.rings = std::move(result.rings);
    found.count = result.roomCount;
    found.outerRings = std::move(result.outerRings);
    if (query.openEnds) found.openEnds = std::move(result.openEnds);
    return true;
  }
  if (!tracer.traceRegions(TraceMethod::Indexed, progress)) return false;
  found.rings = tracer.tracedRegions();
  found.count = found.rings.size();
  if (query.openEnds) found.openEnds = OpenChainEnds(store, att);
  return true;
}

}  // namespace zf61
