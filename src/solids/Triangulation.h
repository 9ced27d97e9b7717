// The constrained triangulation a painted area is split with, shared by the files of this
// folder: the rings are constraints (crossings allowed, their points computed in doubles with
// exact predicates), and each face carries what the split finds out about it.
#pragma once

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Constrained_triangulation_plus_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>

namespace zf61::solids {

struct FaceInfo {
  bool painted = false;
  bool reached = false;  // the parity walk has been here
  long part = -1;        // the painted part, for painted faces
  bool merged = false;   // taken into a piece already
};

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Triangulation_vertex_base_2<Kernel>;
using FaceBaseWithInfo = CGAL::Triangulation_face_base_with_info_2<FaceInfo, Kernel>;
using FaceBase = CGAL::Constrained_triangulation_face_base_2<Kernel, FaceBaseWithInfo>;
using DataStructure = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
using Delaunay =
    CGAL::Constrained_Delaunay_triangulation_2<Kernel, DataStructure, CGAL::Exact_predicates_tag>;
using Triangulation = CGAL::Constrained_triangulation_plus_2<Delaunay>;
using Face = Triangulation::Face_handle;
using Point = Kernel::Point_2;

// How many of the rings run along the edge of `face` opposite its vertex i.
inline size_t RingsAlong(const Triangulation& t, Face face, int i) {
  if (!face->is_constrained(i)) return 0;
  return t.number_of_enclosing_constraints(face->vertex(Triangulation::ccw(i)),
                                           face->vertex(Triangulation::cw(i)));
}

}  // namespace zf61::solids
