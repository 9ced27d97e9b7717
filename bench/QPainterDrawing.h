// The yardstick of the rendering benchmarks: the lines, circles and arcs of a store drawn
// straight with QPainter (one-pixel cosmetic pens, no anti-aliasing, dashed lines drawn solid),
// lines batched into drawLines while the colour stays the same.
#pragma once

#include <QPainter>

#include "model/DrawingStore.h"
#include "model/UnitGraAtt.h"
#include "view/ViewWindow.h"

namespace zf61::bench {

void DrawWithQPainter(QPainter& painter, const DrawingStore& store, const ViewWindow& view,
                      const TgraAttribute& att);

}  // namespace zf61::bench
