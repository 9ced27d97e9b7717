// Picture files through Qt's image readers (BMP, ICO, PNG, JPEG, GIF, and TIFF through Debian's
// image-format plug-ins); metafiles are read into scenes by the core and drawn as vectors. What
// is decoded is kept for the run while its file stays the same.
#pragma once

#include <QByteArray>

#include "view/PictureFormat.h"
#include "view/PictureKeeper.h"

namespace zf61 {

class QtPictureSource final : public KeepingPictureSource {
 public:
  using KeepingPictureSource::KeepingPictureSource;
  bool exists(std::string_view cp932Name) override;

 protected:
  std::optional<FileStamp> stampOf(std::string_view cp932Name) override;
  std::optional<Picture> decode(std::string_view cp932Name) override;
};

// The picture in the bytes of a file of `format`; nothing when they are not one, or when a JPEG
// is cut short.
std::optional<Picture> DecodeQtPicture(const QByteArray& bytes, PictureFormat format);

}  // namespace zf61
