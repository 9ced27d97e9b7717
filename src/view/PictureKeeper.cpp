// The pictures a platform's picture source keeps for the run.
#include "view/PictureKeeper.h"

#include <new>

namespace zf61 {
namespace {

// A picture that does not fit in memory is not drawn, like one that cannot be read.
template <typename Make>
std::shared_ptr<const Picture> MadeOrNothing(Make make) {
  try {
    std::optional<Picture> picture = make();
    if (!picture) return nullptr;
    return std::make_shared<const Picture>(std::move(*picture));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

size_t PixelBytes(const Picture& picture) {
  return picture.raster.pixels.size() * sizeof(uint32_t);
}

}  // namespace

std::shared_ptr<const Picture> KeepingPictureSource::share(std::string_view cp932Name) {
  std::optional<FileStamp> stamp = stampOf(cp932Name);
  auto found = kept_.find(cp932Name);
  if (!stamp) {
    if (found != kept_.end()) forget(found);
    return nullptr;
  }
  if (found != kept_.end() && found->second.stamp == *stamp) {
    found->second.lastUse = ++uses_;
    return found->second.picture;
  }
  if (found != kept_.end()) forget(found);
  // A file that cannot be decoded is kept too, as nothing, so that it is not read on every
  // redraw until it changes.
  Kept kept;
  kept.stamp = *stamp;
  kept.picture = MadeOrNothing([&] { return decode(cp932Name); });
  if (kept.picture) kept.bytes = PixelBytes(*kept.picture);
  kept.lastUse = ++uses_;
  bytes_ += kept.bytes;
  Kept& inUse = kept_.emplace(std::string(cp932Name), std::move(kept)).first->second;
  letGoBeyondBudget(inUse);
  return inUse.picture;
}

std::shared_ptr<const Picture> KeepingPictureSource::madeFrom(
    std::string_view cp932Name, const std::string& key, const std::function<Picture()>& make) {
  auto made = [&] { return std::optional<Picture>(make()); };
  auto found = kept_.find(cp932Name);
  if (found == kept_.end()) return MadeOrNothing(made);
  Kept& kept = found->second;
  if (auto known = kept.made.find(key); known != kept.made.end()) return known->second;
  std::shared_ptr<const Picture> picture = MadeOrNothing(made);
  if (!picture) return nullptr;
  kept.made.emplace(key, picture);
  kept.bytes += PixelBytes(*picture);
  bytes_ += PixelBytes(*picture);
  letGoBeyondBudget(kept);
  return picture;
}

void KeepingPictureSource::forget(std::map<std::string, Kept, std::less<>>::iterator at) {
  bytes_ -= at->second.bytes;
  kept_.erase(at);
}

void KeepingPictureSource::letGoBeyondBudget(const Kept& inUse) {
  // The picture being drawn stays, however big; pictures already handed out live on with
  // whoever holds them.
  while (bytes_ > budget_) {
    auto oldest = kept_.end();
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
      if (&it->second == &inUse || it->second.bytes == 0) continue;
      if (oldest == kept_.end() || it->second.lastUse < oldest->second.lastUse) oldest = it;
    }
    if (oldest == kept_.end()) return;
    forget(oldest);
  }
}

}  // namespace zf61
