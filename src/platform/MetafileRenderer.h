// Windows metafiles (WMF through libwmf, EMF through libemf2svg) turned into SVG and drawn by
// QtSvg into an image, where those libraries are available.
#pragma once

#include <QByteArray>

#include <optional>

#include "view/Canvas.h"

namespace zf61 {

// Longest side of the image a metafile is drawn into before it is stretched into its box.
inline constexpr int kMetafileImageSide = 1024;

// The metafile drawn on white into an image with the aspect ratio of its header's size, or
// nothing when it cannot be read or no renderer is built in.
std::optional<RasterImage> RenderMetafile(const QByteArray& bytes, bool enhanced);

}  // namespace zf61
