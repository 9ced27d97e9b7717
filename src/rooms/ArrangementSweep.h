// A group's arrangement built in one aggregated sweep, as CGAL::insert builds an empty
// arrangement, with a watch between events: the sweep reports how far it got and stops when
// asked to.
#pragma once

#include <vector>

#include "rooms/Arrangement.h"
#include "rooms/SweepCurves.h"
#include "rooms/WorkTally.h"

namespace zf61::rooms {

// Builds `arrangement`, which must be empty, from the curves. False when a stop was requested;
// the arrangement is then incomplete and good only for destruction. The curves and the sweep's
// own records are freed on a free worker as soon as the sweep is over (on a large drawing that
// takes a while, and the memory is better given back before the rooms are read).
bool SweepArrangement(SweepCurves curves, Arrangement& arrangement, StageTally& stage);

}  // namespace zf61::rooms
