#include "solids/QuadrangleMerge.h"

#include "model/Geometry.h"

namespace zf61::solids {
namespace {

PointD ToPoint(const Point& p) {
  return {p.x(), p.y()};
}

// The four corners of `face` and its neighbour across edge i, counter-clockwise, when they
// make a strictly convex quadrangle (exact orientation tests).
bool ConvexQuad(Face face, int i, std::array<Point, 4>& q) {
  Face other = face->neighbor(i);
  q = {face->vertex(i)->point(), face->vertex(Triangulation::ccw(i))->point(),
       other->vertex(other->index(face))->point(), face->vertex(Triangulation::cw(i))->point()};
  for (int k = 0; k < 4; ++k) {
    if (CGAL::orientation(q[k], q[(k + 1) % 4], q[(k + 2) % 4]) != CGAL::LEFT_TURN) return false;
  }
  return true;
}

double TwiceArea(const SolidPiece& piece) {
  return TwiceSignedArea(piece.corners.data(), static_cast<size_t>(piece.count));
}

bool Mergeable(const Triangulation& t, Face face, int i) {
  Face other = face->neighbor(i);
  return !t.is_infinite(other) && other->info().painted && !other->info().merged &&
         other->info().part == face->info().part && RingsAlong(t, face, i) == 0;
}

}  // namespace

std::vector<SolidPiece> MergeIntoPieces(Triangulation& t) {
  std::vector<SolidPiece> pieces;
  for (Face face : t.finite_face_handles()) {
    if (!face->info().painted || face->info().merged) continue;
    face->info().merged = true;
    SolidPiece piece;
    piece.part = static_cast<size_t>(face->info().part);
    std::array<Point, 4> quad;
    for (int i = 0; i < 3; ++i) {
      if (Mergeable(t, face, i) && ConvexQuad(face, i, quad)) {
        face->neighbor(i)->info().merged = true;
        piece.count = 4;
        for (int k = 0; k < 4; ++k) piece.corners[k] = ToPoint(quad[k]);
        break;
      }
    }
    if (piece.count == 3) {
      for (int k = 0; k < 3; ++k) piece.corners[k] = ToPoint(face->vertex(k)->point());
    }
    // A sliver whose corners are so nearly in line that its area comes out as nothing in
    // doubles covers nothing: it is left out rather than written as a flat solid.
    if (TwiceArea(piece) > 0) pieces.push_back(piece);
  }
  return pieces;
}

}  // namespace zf61::solids
