// Metafiles and icons drawn by GDI.
#include "platform/NativePictures.h"

#include <climits>
#include <cstring>

#include "platform/GdiplusImages.h"
#include "view/TurnedImage.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr size_t kPlaceableHeaderBytes = 22;
// HIMETRIC: the unit of a metafile picture's extent, 0.01 mm.
constexpr int64_t kHimetricPerInch = 2540;

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

int16_t I16(const std::string& b, size_t at) {
  int16_t v = 0;
  std::memcpy(&v, b.data() + at, 2);
  return v;
}

// A placeable Windows metafile turned into an enhanced one: the header's box and its units per
// inch become the picture's extent, so that its frame is the box. A metafile without the header
// is not a picture file.
HENHMETAFILE ConvertWindowsMetafile(const std::string& bytes) {
  if (bytes.size() <= kPlaceableHeaderBytes || U32(bytes, 0) != kPlaceableKey) return nullptr;
  int64_t width = int64_t{I16(bytes, 10)} - I16(bytes, 6);
  int64_t height = int64_t{I16(bytes, 12)} - I16(bytes, 8);
  int64_t perInch = static_cast<uint16_t>(I16(bytes, 14));
  if (perInch <= 0 || width <= 0 || height <= 0) return nullptr;
  METAFILEPICT extent = {MM_ANISOTROPIC, static_cast<LONG>(width * kHimetricPerInch / perInch),
                         static_cast<LONG>(height * kHimetricPerInch / perInch), nullptr};
  size_t size = bytes.size() - kPlaceableHeaderBytes;
  if (size > UINT_MAX) return nullptr;
  const BYTE* bits = reinterpret_cast<const BYTE*>(bytes.data()) + kPlaceableHeaderBytes;
  return SetWinMetaFileBits(static_cast<UINT>(size), bits, nullptr, &extent);
}

}  // namespace

EnhancedMetafile::~EnhancedMetafile() {
  DeleteEnhMetaFile(handle_);
}

void EnhancedMetafile::drawInto(HDC dc, const RECT& target) const {
  PlayEnhMetaFile(dc, handle_, &target);
}

void EnhancedMetafile::drawTurnedInto(HDC dc, SIZE, const ImageCorners& corners) const {
  // Played into an upright box the size of the turned one, which the world transform turns, so
  // that pens and texts keep the sizes they have in an unturned box.
  int32_t width = SideLength(corners.topLeft, corners.topRight);
  int32_t height = SideLength(corners.topLeft, corners.bottomLeft);
  ImagePlacement p = PlacementOf(corners, width, height);
  int mode = SetGraphicsMode(dc, GM_ADVANCED);
  XFORM turn = {static_cast<FLOAT>(p.m11), static_cast<FLOAT>(p.m12), static_cast<FLOAT>(p.m21),
                static_cast<FLOAT>(p.m22), static_cast<FLOAT>(p.dx),  static_cast<FLOAT>(p.dy)};
  if (SetWorldTransform(dc, &turn)) {
    RECT box = {0, 0, width, height};
    PlayEnhMetaFile(dc, handle_, &box);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
  }
  SetGraphicsMode(dc, mode);
}

Icon::~Icon() {
  DestroyIcon(handle_);
}

void Icon::drawInto(HDC dc, const RECT& target) const {
  DrawIconEx(dc, target.left, target.top, handle_, target.right - target.left,
             target.bottom - target.top, 0, nullptr, DI_NORMAL);
}

void Icon::drawTurnedInto(HDC dc, SIZE canvas, const ImageCorners& corners) const {
  DrawIconWithGdiplus(dc, canvas, handle_, corners);
}

std::shared_ptr<const EnhancedMetafile> MetafileFromBytes(const std::string& bytes, bool enhanced) {
  if (bytes.empty() || bytes.size() > UINT_MAX) return nullptr;
  HENHMETAFILE handle = enhanced ? SetEnhMetaFileBits(static_cast<UINT>(bytes.size()),
                                                      reinterpret_cast<const BYTE*>(bytes.data()))
                                 : ConvertWindowsMetafile(bytes);
  if (!handle) return nullptr;
  return std::make_shared<EnhancedMetafile>(handle);
}

}  // namespace zf61::win32
