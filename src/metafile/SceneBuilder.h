// The drawing state of a metafile as it plays, and the scene its drawing records make: both
// players (WMF and EMF) turn their records into these calls, in logical coordinates.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "metafile/ArcGeometry.h"
#include "metafile/GdiState.h"

namespace zf61 {

// How logical coordinates reach the frame. A WMF's window maps onto the whole frame whatever
// its records say of map modes and viewports; an EMF maps through its world transform, map
// mode, window and viewport to its reference device, whose pixels then map onto the frame.
struct FrameMapping {
  bool windowFillsFrame = false;
  Affine deviceToFrame;
  double pixelsPerMmX = 1.0, pixelsPerMmY = 1.0;
};

enum class ArcKind { Arc, ArcTo, Chord, Pie };

class SceneBuilder {
 public:
  SceneBuilder(double width, double height, FrameMapping mapping);

  DcState& state() { return state_; }
  // To be called after the records change the map mode, window, viewport or world transform.
  void mappingChanged();
  ScenePoint toFrame(ScenePoint logical) const { return toFrame_.apply(logical); }

  void select(const GdiObject& object);
  void save();
  // A negative `which` counts back from the latest saved state, a positive one from the first.
  void restore(int which);

  void moveTo(ScenePoint p);
  void lineTo(ScenePoint p);
  void polyline(const std::vector<ScenePoint>& points, bool fromCurrent);
  void polygon(const std::vector<ScenePoint>& points) { polyPolygon({points}); }
  void polyPolygon(const std::vector<std::vector<ScenePoint>>& polygons);
  void bezier(const std::vector<ScenePoint>& points, bool fromCurrent);
  void rectangle(const EllipseBox& box);
  void roundRect(const EllipseBox& box, double cornerWidth, double cornerHeight);
  void ellipse(const EllipseBox& box);
  void arc(ArcKind kind, const EllipseBox& box, ScenePoint start, ScenePoint end);
  void fillRect(const EllipseBox& box, uint32_t rgb);
  // A blit without a source bitmap: the brush, black or white, by its raster operation.
  void blitWithoutSource(const EllipseBox& box, uint32_t rop);

  // Path brackets: between the two, drawing records only add to the path.
  void beginPath();
  void endPath() { inBracket_ = false; }
  void abortPath();
  void closeFigure();
  void drawPath(bool stroke, bool fill);

  void text(ScenePoint reference, std::string bytes, bool utf16,
            const std::optional<EllipseBox>& opaqueBox);
  void image(std::string bmp, const SceneRect& source, const EllipseBox& target,
             ImageBlend blend);

  void intersectClip(const EllipseBox& box);
  void resetClip() { state_.clip.reset(); }

  // Whether the scene has grown as large as a metafile may make it.
  bool full() const;
  MetafileScene take() { return std::move(scene_); }

 private:
  void startAtCurrent(ScenePath& path) const;
  void finish(ScenePath&& path, bool stroke, bool fill);
  void addArc(ScenePath& path, const EllipseBox& box, double start, double sweep);
  double sweepBetween(const EllipseBox& box, ScenePoint start, ScenePoint end) const;
  SceneRect frameRect(const EllipseBox& box) const;
  Affine pageMapping() const;
  void push(SceneItem&& item);

  MetafileScene scene_;
  FrameMapping mapping_;
  DcState state_;
  std::vector<DcState> saved_;
  Affine toFrame_;
  ScenePath bracket_;
  bool inBracket_ = false;
  size_t pointCount_ = 0;
};

}  // namespace zf61
