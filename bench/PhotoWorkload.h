// A photo for the picture benchmarks: a JPEG with detail in every pixel, so that it costs what a
// photo costs to decode and draw, written once into a temporary folder; and a drawing of it.
#pragma once

#include <string>

#include "model/DrawingStore.h"

namespace zf61::bench {

// The path of a width x height JPEG, written on the first call for that size.
const std::string& PhotoFile(int width, int height);

// One picture text showing the photo 300 units wide at the origin, with the reference's numbers
// after the width (",200" or ",200,0.25,0.25,0.5") and the text's direction.
void FillPhotoDrawing(DrawingStore& store, const std::string& path, const std::string& numbers,
                      double dirX, double dirY);

}  // namespace zf61::bench
