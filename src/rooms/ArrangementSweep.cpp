#include "rooms/ArrangementSweep.h"

#include <CGAL/Surface_sweep_2.h>
#include <CGAL/Surface_sweep_2/Arr_construction_event.h>
#include <CGAL/Surface_sweep_2/Arr_construction_ss_visitor.h>
#include <CGAL/Surface_sweep_2/Arr_construction_subcurve.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

// Events handled between two looks at the stop request and the progress.
constexpr unsigned kEventsPerWatch = 256;

using Topology = Arrangement::Topology_traits;
using Allocator = Arrangement::Allocator;
using Event = CGAL::Arr_construction_event<Traits, Arrangement, Allocator>;
using Subcurve = CGAL::Arr_construction_subcurve<Traits, Event, Allocator>;
using Helper = Topology::Construction_helper<Event, Subcurve>;

// The x of each curve's left end, ascending: the sweep has passed the curves that begin at or
// before its current x.
class SweepPosition {
 public:
  explicit SweepPosition(const std::vector<double>& lefts) : lefts_(lefts) {}
  size_t begunBy(double x) const {
    return static_cast<size_t>(std::upper_bound(lefts_.begin(), lefts_.end(), x) - lefts_.begin());
  }
  size_t size() const { return lefts_.size(); }

 private:
  const std::vector<double>& lefts_;
};

// The halfedges of holes point at their hole's record; when the sweep joins two holes, one
// record is marked invalid and linked to the other, and CGAL follows those links when it tidies
// up after the sweep, shortening each path by one step only: on a drawing whose pieces join one
// large hole one at a time, that costs the square of the pieces. Every path is shortened to its
// end here first, as a union-find would.
void ShortenHoleLinks(Arrangement& arrangement) {
  auto& dcel = arrangement.topology_traits()->dcel();
  for (auto h = dcel.halfedges_begin(); h != dcel.halfedges_end(); ++h) {
    if (!h->is_on_inner_ccb()) continue;
    auto* first = h->inner_ccb_no_redirect();
    if (first->is_valid()) continue;
    auto* valid = first->next();
    while (!valid->is_valid()) valid = valid->next();
    for (auto* link = first; link != valid;) {
      auto* next = link->next();
      link->set_next(valid);
      link = next;
    }
    h->set_inner_ccb(valid);
  }
}

// CGAL's construction visitor, watched every few events.
class WatchedConstruction : public CGAL::Arr_construction_ss_visitor<Helper, WatchedConstruction> {
  using Base = CGAL::Arr_construction_ss_visitor<Helper, WatchedConstruction>;

 public:
  WatchedConstruction(Arrangement* arrangement, const SweepPosition& position, StageTally& stage)
      : Base(arrangement), arrangement_(*arrangement), position_(position), stage_(stage) {}

  void after_sweep() {
    ShortenHoleLinks(arrangement_);
    Base::after_sweep();
  }

  bool after_handle_event(Event* event, typename Base::Status_line_iterator iter, bool flag) {
    bool deallocate = Base::after_handle_event(event, iter, flag);
    if (++events_ % kEventsPerWatch == 0) {
      if (stage_.stopRequested()) {
        stopped_ = true;
        this->stop_sweep();  // empties the queue: the event just handled is the last
      } else {
        stage_.reach(position_.begunBy(CGAL::to_double(CGAL::approx(event->point()).x())),
                     position_.size());
      }
    }
    return deallocate;
  }
  bool stopped() const { return stopped_; }

 private:
  Arrangement& arrangement_;
  const SweepPosition& position_;
  StageTally& stage_;
  unsigned events_ = 0;
  bool stopped_ = false;
};

// The sweep with all it keeps.
struct Sweep {
  Sweep(SweepCurves input, Arrangement& arrangement, StageTally& stage)
      : curves(std::move(input)),
        position(curves.lefts),
        visitor(&arrangement, position, stage),
        sweep(arrangement.geometry_traits(), &visitor) {}

  SweepCurves curves;
  SweepPosition position;
  WatchedConstruction visitor;
  CGAL::Surface_sweep_2::Surface_sweep_2<WatchedConstruction> sweep;
};

}  // namespace

bool SweepArrangement(SweepCurves curves, Arrangement& arrangement, StageTally& stage) {
  CGAL::Arr_accessor<Arrangement> access(arrangement);
  access.notify_before_global_change();
  auto sweep = std::make_shared<Sweep>(std::move(curves), arrangement, stage);
  sweep->sweep.sweep(sweep->curves.curves.begin(), sweep->curves.curves.end());
  access.notify_after_global_change();
  const bool stopped = sweep->visitor.stopped();
  DisposeOnWorker(std::move(sweep));
  if (stopped) return false;
  stage.finish();
  return true;
}

}  // namespace zf61::rooms
