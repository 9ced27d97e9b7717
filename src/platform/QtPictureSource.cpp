// Loading pictures with Qt.
#include "platform/QtPictureSource.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "platform/Cp932.h"
#include "platform/QtMetafilePicture.h"
#include "platform/QtCanvas.h"
#include "view/PictureDrawing.h"

namespace zf61 {
namespace {

// Jw_cad writes Windows paths; on other systems a backslash is a folder separator too.
QString NativeName(std::string_view cp932Name) {
  QString name = Cp932ToUnicode(cp932Name);
#ifndef Q_OS_WIN
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
  return name;
}

// A metafile's size comes from its header; what it draws is kept as vectors and drawn into
// the picture's box when it is shown.
std::optional<Picture> LoadMetafile(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
  std::optional<MetafileSize> size = ReadMetafileSize(view);
  if (!size) return std::nullopt;
  std::shared_ptr<const PlatformPicture> native;
  if (std::optional<MetafileScene> scene = ReadMetafile(view)) {
    native = std::make_shared<QtMetafilePicture>(std::move(*scene));
  }
  return Picture{size->width, size->height, RasterImage(), native};
}

}  // namespace

bool QtPictureSource::exists(std::string_view cp932Name) {
  return QFile::exists(NativeName(cp932Name));
}

std::optional<Picture> QtPictureSource::load(std::string_view cp932Name) {
  QString name = NativeName(cp932Name);
  std::string ext = PictureExtension(cp932Name);
  if (ext == ".WMF" || ext == ".EMF") return LoadMetafile(name);
  QImageReader reader(name);
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  if (ext == ".ICO") {
    // An icon shows what lies beneath where its mask leaves it out.
    int w = image.width(), h = image.height();
    auto native = std::make_shared<QtTranslucentPicture>(
        image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return Picture{w, h, RasterImage(), native};
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  RasterImage out;
  out.width = image.width();
  out.height = image.height();
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    std::copy(row, row + out.width, out.pixels.begin() + static_cast<ptrdiff_t>(y) * out.width);
  }
  return Picture{out.width, out.height, std::move(out), nullptr};
}

}  // namespace zf61
