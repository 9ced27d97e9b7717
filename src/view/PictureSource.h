// Loading the picture files that picture texts of a drawing refer to.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "view/Canvas.h"

namespace zf61 {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // Whether a file exists at the name as written in the drawing (Shift-JIS; a relative name is
  // taken from the current folder).
  virtual bool exists(std::string_view cp932Name) = 0;
  // The picture, or only its size for a picture that can be measured but not drawn; nothing
  // when it cannot be loaded.
  virtual std::optional<Picture> load(std::string_view cp932Name) = 0;
  // The picture as the drawing operations take it: shared, so that a source that keeps what it
  // decoded hands out the same pixels again instead of decoding or copying them. Null when it
  // cannot be loaded.
  virtual std::shared_ptr<const Picture> share(std::string_view cp932Name) {
    std::optional<Picture> picture = load(cp932Name);
    if (!picture) return nullptr;
    return std::make_shared<const Picture>(std::move(*picture));
  }
  // A picture that `make` makes from the named one (a crop window of it), known by `key`. A
  // source that keeps pictures keeps it beside the named picture until that one goes. Null when
  // there is no memory for it.
  virtual std::shared_ptr<const Picture> madeFrom(std::string_view /*cp932Name*/,
                                                  const std::string& /*key*/,
                                                  const std::function<Picture()>& make) {
    return std::make_shared<const Picture>(make());
  }
};

// Width and height of a metafile from its header: the placeable WMF header (in its own units)
// or the EMF header's frame (in 0.01 mm). Nothing for other bytes.
struct MetafileSize {
  int32_t width = 0;
  int32_t height = 0;
};
std::optional<MetafileSize> ReadMetafileSize(std::string_view headerBytes);

}  // namespace zf61
