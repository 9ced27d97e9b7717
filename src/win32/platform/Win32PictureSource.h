// Loading the picture files of a drawing through GDI: bitmaps with LoadImageW (their pixels are
// kept for crop windows), icons as icons with their mask, metafiles as enhanced metafiles that
// the canvas plays as vectors; PNG, TIFF, JPEG and GIF through GDI+. Names are Shift-JIS, as
// Jw_cad writes them. What is decoded is kept for the run while its file stays the same.
#pragma once

#include "view/PictureKeeper.h"

namespace zf61::win32 {

class Win32PictureSource final : public KeepingPictureSource {
 public:
  using KeepingPictureSource::KeepingPictureSource;
  bool exists(std::string_view cp932Name) override;

 protected:
  std::optional<FileStamp> stampOf(std::string_view cp932Name) override;
  std::optional<Picture> decode(std::string_view cp932Name) override;
};

}  // namespace zf61::win32
