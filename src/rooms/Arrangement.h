// The arrangement the rooms are made from, shared by the files of this folder.
#pragma once

#include <CGAL/Arrangement_2.h>

#include "rooms/RoomTraits.h"

namespace zf61::rooms {

using Arrangement = CGAL::Arrangement_2<Traits>;
using Segment = Traits::X_monotone_curve_2;

}  // namespace zf61::rooms
