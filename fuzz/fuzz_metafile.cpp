// Metafiles: any bytes read into a scene without reading outside them, and every scene made is
// one a platform can draw: each verb with its points, every point finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "metafile/MetafileScene.h"

namespace {

size_t PointsOf(zf61::PathVerb verb) {
  return verb == zf61::PathVerb::Cubic ? 3 : 1;
}

void CheckShape(const zf61::SceneShape& shape) {
  size_t expected = 0;
  for (zf61::PathVerb verb : shape.path.verbs) expected += PointsOf(verb);
  FUZZ_CHECK(expected == shape.path.points.size());
  for (const zf61::ScenePoint& p : shape.path.points) {
    FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::optional<zf61::MetafileScene> scene = zf61::ReadMetafile(bytes);
  if (!scene) return 0;
  FUZZ_CHECK(scene->width > 0 && scene->height > 0);
  for (const zf61::SceneItem& item : scene->items) {
    if (auto* shape = std::get_if<zf61::SceneShape>(&item.what)) CheckShape(*shape);
    if (auto* text = std::get_if<zf61::SceneText>(&item.what)) {
      FUZZ_CHECK(std::isfinite(text->origin.x) && std::isfinite(text->height));
    }
  }
  return 0;
}
