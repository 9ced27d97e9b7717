// A group's arrangement built in one aggregated sweep, as CGAL::insert builds an empty
// arrangement, with a watch between events: the sweep reports how far it got and stops when
// asked to.
#pragma once

#include <memory>
#include <vector>

#include "rooms/Arrangement.h"
#include "rooms/SweepCurves.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// Builds `arrangement`, which must be empty, from the curves. False when a stop was requested;
// the arrangement is then incomplete and good only for destruction. The curves and the sweep's
// own records are handed back in `leftovers`, to be destroyed when it suits the caller (freeing
// them takes a while on a large drawing).
bool SweepArrangement(SweepCurves curves, Arrangement& arrangement, StageTally& stage,
                      std::shared_ptr<void>& leftovers);

}  // namespace zf61::rooms
