// The arrangement the rooms are made from, shared by the files of this folder.
#pragma once

#include <CGAL/Arr_segment_traits_2.h>
#include <CGAL/Arrangement_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>

namespace zf61::rooms {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Point = Kernel::Point_2;

// CGAL's segment traits, with two shortcuts for points known to be equal without their exact
// values. A point object is equal to itself: the point where a join ends inside a wall is made
// once, exactly, and shared by the join and the two parts of the wall. And two segments that end
// at one point and do not lie on one line meet only there: CGAL would intersect their lines and
// then work out that point's exact value to find it equal to their end.
class Traits : public CGAL::Arr_segment_traits_2<Kernel> {
  using Base = CGAL::Arr_segment_traits_2<Kernel>;

  static bool Same(const Point& p, const Point& q) { return p.rep().identical(q.rep()); }
  // The same object, or equal points both known exactly already (their intervals are points).
  static bool SamePlace(const Point& p, const Point& q) {
    if (Same(p, q)) return true;
    const auto& a = CGAL::approx(p);
    const auto& b = CGAL::approx(q);
    return a.x().is_point() && a.y().is_point() && b.x().is_point() && b.y().is_point() &&
           a.x().inf() == b.x().inf() && a.y().inf() == b.y().inf();
  }

 public:
  class Compare_xy_2 {
   public:
    explicit Compare_xy_2(Base::Compare_xy_2 base) : base_(base) {}
    CGAL::Comparison_result operator()(const Point& p, const Point& q) const {
      return Same(p, q) ? CGAL::EQUAL : base_(p, q);
    }

   private:
    Base::Compare_xy_2 base_;
  };

  class Equal_2 {
   public:
    explicit Equal_2(Base::Equal_2 base) : base_(base) {}
    bool operator()(const Point& p, const Point& q) const { return Same(p, q) || base_(p, q); }
    bool operator()(const X_monotone_curve_2& c, const X_monotone_curve_2& d) const {
      return (Same(c.left(), d.left()) && Same(c.right(), d.right())) || base_(c, d);
    }

   private:
    Base::Equal_2 base_;
  };

  class Intersect_2 {
   public:
    explicit Intersect_2(Base::Intersect_2 base) : base_(base) {}
    // Curves that share an end and do not lie on one line meet only there.
    template <typename OutputIterator>
    OutputIterator operator()(const X_monotone_curve_2& c, const X_monotone_curve_2& d,
                              OutputIterator out) const {
      for (const Point* p : {&c.left(), &c.right()}) {
        for (const Point* q : {&d.left(), &d.right()}) {
          if (!SamePlace(*p, *q)) continue;
          const Point& cOther = p == &c.left() ? c.right() : c.left();
          const Point& dOther = q == &d.left() ? d.right() : d.left();
          if (CGAL::orientation(*p, cOther, dOther) == CGAL::COLLINEAR) return base_(c, d, out);
          *out++ = boost::variant<std::pair<Point, Multiplicity>, X_monotone_curve_2>(
              std::make_pair(*p, Multiplicity(1)));
          return out;
        }
      }
      return base_(c, d, out);
    }

   private:
    Base::Intersect_2 base_;
  };

  Compare_xy_2 compare_xy_2_object() const { return Compare_xy_2(Base::compare_xy_2_object()); }
  Equal_2 equal_2_object() const { return Equal_2(Base::equal_2_object()); }
  Intersect_2 intersect_2_object() const { return Intersect_2(Base::intersect_2_object()); }
};

using Arrangement = CGAL::Arrangement_2<Traits>;
using Segment = Traits::X_monotone_curve_2;

}  // namespace zf61::rooms
