// Pictures that GDI draws itself: metafiles played as vectors into the target rectangle from
// their frame (what they do not paint stays as it was), and icons drawn through their mask;
// turned, metafiles are played under a world transform and icons drawn by GDI+.
#pragma once

#include <memory>
#include <string>

#include "platform/GdiCanvas.h"

namespace zf61::win32 {

class EnhancedMetafile final : public NativePicture {
 public:
  explicit EnhancedMetafile(HENHMETAFILE handle) : handle_(handle) {}
  ~EnhancedMetafile() override;
  EnhancedMetafile(const EnhancedMetafile&) = delete;
  EnhancedMetafile& operator=(const EnhancedMetafile&) = delete;
  void drawInto(HDC dc, const RECT& target) const override;
  void drawTurnedInto(HDC dc, SIZE canvas, const ImageCorners& corners) const override;

 private:
  HENHMETAFILE handle_;
};

class Icon final : public NativePicture {
 public:
  explicit Icon(HICON handle) : handle_(handle) {}
  ~Icon() override;
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  void drawInto(HDC dc, const RECT& target) const override;
  void drawTurnedInto(HDC dc, SIZE canvas, const ImageCorners& corners) const override;

 private:
  HICON handle_;
};

// An enhanced metafile from the bytes of an .EMF file, or of a .WMF file
// converted by GDI (placeable ones only), whose frame is the placeable header's box.
std::shared_ptr<const EnhancedMetafile> MetafileFromBytes(const std::string& bytes, bool enhanced);

}  // namespace zf61::win32
