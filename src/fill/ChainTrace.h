// The chains of the tracer: from every free segment in turn, a depth-first walk that always
// takes the lowest-numbered free segment meeting the chain's end, backs out of dead ends and
// stops when the chain comes back to where it began.
#pragma once

#include <functional>
#include <vector>

#include "fill/CandidateSearch.h"
#include "fill/TraceProgress.h"
#include "fill/TraceTypes.h"

namespace zf61 {

// Called with each closed chain of two or more links, in the order of their starting segment;
// true when the chain became a region (its segments are then used).
using ChainFound = std::function<bool(const std::vector<ChainLink>& chain)>;

// Traces every chain; false when `progress` asked to stop (what was found is then incomplete).
bool TraceAllChains(std::vector<TraceSegment>& segments, CandidateSearch& search,
                    const ChainFound& found, TraceProgress* progress);

}  // namespace zf61
