// The geometry traits of the rooms' arrangement: CGAL's segments with exact predicates and
// constructions, taught to recognise meeting points it would otherwise work out exactly.
#pragma once

#include <CGAL/Arr_segment_traits_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>

#include <algorithm>
#include <utility>

namespace zf61::rooms {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Point = Kernel::Point_2;

// CGAL's segment traits, with shortcuts for meeting points known without working out exact values.
// CGAL finds where two segments meet by intersecting their lines, and then has to work out that
// point's exact value to compare it with the segments' ends and other points there, wherever it
// is one of them. So: a point object is equal to itself (the point where a join ends inside a wall
// is made once, exactly, and shared by the join and the two parts of the wall, which then meet
// only there); a segment whose end lies on another, both with coordinates known exactly, meets it
// at that end, unless they lie on one line; and a vertical and a horizontal segment known exactly
// meet, if at all, at the point of those coordinates.
class Traits : public CGAL::Arr_segment_traits_2<Kernel> {
  using Base = CGAL::Arr_segment_traits_2<Kernel>;

  static bool Same(const Point& p, const Point& q) { return p.rep().identical(q.rep()); }
  // Whether the point's coordinates are known exactly as doubles (its intervals are points).
  static bool Known(const Point& p) {
    const auto& a = CGAL::approx(p);
    return a.x().is_point() && a.y().is_point();
  }
  static double X(const Point& p) { return CGAL::approx(p).x().inf(); }
  static double Y(const Point& p) { return CGAL::approx(p).y().inf(); }
  // The same object, or equal points both known exactly.
  static bool SamePlace(const Point& p, const Point& q) {
    return Same(p, q) || (Known(p) && Known(q) && X(p) == X(q) && Y(p) == Y(q));
  }
  static bool Known(const X_monotone_curve_2& c) { return Known(c.left()) && Known(c.right()); }
  static bool Vertical(const X_monotone_curve_2& c) { return X(c.left()) == X(c.right()); }
  static bool Horizontal(const X_monotone_curve_2& c) { return Y(c.left()) == Y(c.right()); }

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
    template <typename OutputIterator>
    OutputIterator operator()(const X_monotone_curve_2& c, const X_monotone_curve_2& d,
                              OutputIterator out) const {
      if (Known(c) && Known(d)) {
        if (!BoxesMeet(c, d)) return out;
        if (Vertical(c) && Horizontal(d)) return Across(c, d, out);
        if (Horizontal(c) && Vertical(d)) return Across(d, c, out);
        if (const Point* end = EndOnOther(c, d)) return Meet(*end, out);
        return base_(c, d, out);
      }
      // Curves that share an end and do not lie on one line meet only there.
      for (const Point* p : {&c.left(), &c.right()}) {
        for (const Point* q : {&d.left(), &d.right()}) {
          if (!SamePlace(*p, *q)) continue;
          const Point& cOther = p == &c.left() ? c.right() : c.left();
          const Point& dOther = q == &d.left() ? d.right() : d.left();
          if (CGAL::orientation(*p, cOther, dOther) == CGAL::COLLINEAR) return base_(c, d, out);
          return Meet(*p, out);
        }
      }
      return base_(c, d, out);
    }

   private:
    template <typename OutputIterator>
    static OutputIterator Meet(const Point& p, OutputIterator out) {
      *out++ = boost::variant<std::pair<Point, Multiplicity>, X_monotone_curve_2>(
          std::make_pair(p, Multiplicity(1)));
      return out;
    }

    // Where a vertical and a horizontal curve cross, if they do.
    template <typename OutputIterator>
    static OutputIterator Across(const X_monotone_curve_2& vertical,
                                 const X_monotone_curve_2& horizontal, OutputIterator out) {
      const double x = X(vertical.left()), y = Y(horizontal.left());
      const double bottom = Y(vertical.left()), top = Y(vertical.right());
      const double left = X(horizontal.left()), right = X(horizontal.right());
      if (x < left || x > right || y < bottom || y > top) return out;
      // An end of either curve, where it is there, so that the point is the same object.
      for (const Point* end :
           {&vertical.left(), &vertical.right(), &horizontal.left(), &horizontal.right()}) {
        if (X(*end) == x && Y(*end) == y) return Meet(*end, out);
      }
      return Meet(Point(x, y), out);
    }

    static bool BoxesMeet(const X_monotone_curve_2& c, const X_monotone_curve_2& d) {
      return X(c.left()) <= X(d.right()) && X(d.left()) <= X(c.right()) &&
             std::min(Y(c.left()), Y(c.right())) <= std::max(Y(d.left()), Y(d.right())) &&
             std::min(Y(d.left()), Y(d.right())) <= std::max(Y(c.left()), Y(c.right()));
    }

    // Whether the point lies on the curve (both known exactly).
    static bool OnCurve(const Point& p, const X_monotone_curve_2& c) {
      const double low = std::min(Y(c.left()), Y(c.right()));
      const double high = std::max(Y(c.left()), Y(c.right()));
      return X(c.left()) <= X(p) && X(p) <= X(c.right()) && low <= Y(p) && Y(p) <= high &&
             CGAL::orientation(c.left(), c.right(), p) == CGAL::COLLINEAR;
    }

    // An end of one curve that lies on the other, where walls meet end to end or in mid-line:
    // the only point where they meet, unless they lie on one line.
    static const Point* EndOnOther(const X_monotone_curve_2& c, const X_monotone_curve_2& d) {
      if (CGAL::orientation(c.left(), c.right(), d.left()) == CGAL::COLLINEAR &&
          CGAL::orientation(c.left(), c.right(), d.right()) == CGAL::COLLINEAR) {
        return nullptr;
      }
      for (const Point* end : {&c.left(), &c.right()}) {
        if (OnCurve(*end, d)) return end;
      }
      for (const Point* end : {&d.left(), &d.right()}) {
        if (OnCurve(*end, c)) return end;
      }
      return nullptr;
    }

    Base::Intersect_2 base_;
  };

  Compare_xy_2 compare_xy_2_object() const { return Compare_xy_2(Base::compare_xy_2_object()); }
  Equal_2 equal_2_object() const { return Equal_2(Base::equal_2_object()); }
  Intersect_2 intersect_2_object() const { return Intersect_2(Base::intersect_2_object()); }
};

}  // namespace zf61::rooms
