#include "rooms/ArrangementSweep.h"

#include <CGAL/Surface_sweep_2.h>
#include <CGAL/Surface_sweep_2/Arr_construction_event.h>
#include <CGAL/Surface_sweep_2/Arr_construction_ss_visitor.h>
#include <CGAL/Surface_sweep_2/Arr_construction_subcurve.h>

#include <algorithm>
#include <utility>

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

// CGAL's construction visitor, watched every few events.
class WatchedConstruction : public CGAL::Arr_construction_ss_visitor<Helper, WatchedConstruction> {
  using Base = CGAL::Arr_construction_ss_visitor<Helper, WatchedConstruction>;

 public:
  WatchedConstruction(Arrangement* arrangement, const SweepPosition& position, StageTally& stage)
      : Base(arrangement), position_(position), stage_(stage) {}

  bool after_handle_event(Event* event, typename Base::Status_line_iterator iter, bool flag) {
    bool deallocate = Base::after_handle_event(event, iter, flag);
    if (++events_ % kEventsPerWatch == 0) {
      if (stage_.stopRequested()) {
        stopped_ = true;
        this->stop_sweep();  // empties the queue: the event just handled is the last
      } else {
        stage_.reach(position_.begunBy(CGAL::to_double(event->point().x())), position_.size());
      }
    }
    return deallocate;
  }
  bool stopped() const { return stopped_; }

 private:
  const SweepPosition& position_;
  StageTally& stage_;
  unsigned events_ = 0;
  bool stopped_ = false;
};

}  // namespace

bool SweepArrangement(const SweepCurves& curves, Arrangement& arrangement, StageTally& stage) {
  const SweepPosition position(curves.lefts);
  CGAL::Arr_accessor<Arrangement> access(arrangement);
  access.notify_before_global_change();
  WatchedConstruction visitor(&arrangement, position, stage);
  CGAL::Surface_sweep_2::Surface_sweep_2<WatchedConstruction> sweep(arrangement.geometry_traits(),
                                                                    &visitor);
  sweep.sweep(curves.curves.begin(), curves.curves.end());
  access.notify_after_global_change();
  if (visitor.stopped()) return false;
  stage.finish();
  return true;
}

}  // namespace zf61::rooms
