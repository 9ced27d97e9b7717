// Picture files through QImageReader (BMP, ICO and the other formats Qt reads); metafiles are
// measured from their headers.
#pragma once

#include "view/PictureSource.h"

namespace zf61 {

class QtPictureSource final : public PictureSource {
 public:
  bool exists(std::string_view cp932Name) override;
  std::optional<Picture> load(std::string_view cp932Name) override;
};

}  // namespace zf61
