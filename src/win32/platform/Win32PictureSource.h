// Loading the picture files of a drawing through GDI: bitmaps with LoadImageW (their pixels are
// kept for crop windows), icons as icons with their mask, metafiles as enhanced metafiles that
// the canvas plays as vectors. Names are Shift-JIS, as Jw_cad writes them.
#pragma once

#include "view/PictureSource.h"

namespace zf61::win32 {

class Win32PictureSource final : public PictureSource {
 public:
  bool exists(std::string_view cp932Name) override;
  std::optional<Picture> load(std::string_view cp932Name) override;
};

}  // namespace zf61::win32
