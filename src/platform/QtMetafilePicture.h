// A WMF or EMF picture drawn by QPainter as vectors, straight into the rectangle it is given.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <vector>

#include "metafile/MetafileScene.h"
#include "view/Canvas.h"

namespace zf61 {

class QtMetafilePicture final : public PlatformPicture {
 public:
  explicit QtMetafilePicture(MetafileScene scene);

  // Draws the frame onto `target` (in the painter's pixels): what the metafile leaves
  // unpainted shows what lies beneath, and nothing is drawn outside the rectangle.
  void draw(QPainter& painter, const QRectF& target) const;

 private:
  MetafileScene scene_;
  std::vector<QImage> images_;  // the bitmaps of the scene's images, in their order
};

}  // namespace zf61
