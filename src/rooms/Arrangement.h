// The arrangement the rooms are made from, shared by the files of this folder.
#pragma once

#include <CGAL/Arr_segment_traits_2.h>
#include <CGAL/Arrangement_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>

namespace zf61::rooms {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Traits = CGAL::Arr_segment_traits_2<Kernel>;
using Arrangement = CGAL::Arrangement_2<Traits>;
using Point = Kernel::Point_2;
using Segment = Traits::X_monotone_curve_2;

}  // namespace zf61::rooms
