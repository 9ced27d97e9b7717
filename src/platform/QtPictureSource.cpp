// Loading pictures with Qt.
#include "platform/QtPictureSource.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Cp932.h"
#include "platform/QtCanvas.h"
#include "platform/QtMetafilePicture.h"

namespace zf61 {
namespace {

// The largest decoded image Qt's readers may allocate, in megabytes: Qt's own default of 256
// would turn away photos above about 64 megapixels.
constexpr int kDecodedImageMegabytes = static_cast<int>(kLargestPicturePixels * 4 >> 20);
constexpr uint32_t kOpaqueAlpha = 0xFF000000u;

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
std::optional<Picture> DecodeMetafile(const QByteArray& bytes) {
  std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
  std::optional<MetafileSize> size = ReadMetafileSize(view);
  if (!size) return std::nullopt;
  std::shared_ptr<const PlatformPicture> native;
  if (std::optional<MetafileScene> scene = ReadMetafile(view)) {
    native = std::make_shared<QtMetafilePicture>(std::move(*scene));
  }
  return Picture{size->width, size->height, RasterImage(), native};
}

QImage ReadImage(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return QImage();
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kDecodedImageMegabytes);
  return reader.read();
}

bool HasSeeThroughPixel(const QImage& argb) {
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
    if (std::any_of(row, row + argb.width(), [](uint32_t p) { return p < kOpaqueAlpha; })) {
      return true;
    }
  }
  return false;
}

// The pixels as RasterImage keeps them: RGB32, or straight ARGB32 for a picture that has pixels
// it lets the drawing beneath show through (a bitmap is always opaque).
RasterImage PixelsOf(QImage image, bool mayBeTranslucent) {
  RasterImage out;
  if (mayBeTranslucent && image.hasAlphaChannel()) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    out.translucent = HasSeeThroughPixel(image);
  }
  if (!out.translucent) image = image.convertToFormat(QImage::Format_RGB32);
  out.width = image.width();
  out.height = image.height();
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    std::copy(row, row + out.width, out.pixels.begin() + static_cast<ptrdiff_t>(y) * out.width);
  }
  return out;
}

}  // namespace

std::optional<Picture> DecodeQtPicture(const QByteArray& bytes, PictureFormat format) {
  if (format == PictureFormat::Undrawn) return std::nullopt;
  if (format == PictureFormat::Metafile) return DecodeMetafile(bytes);
  std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
  if (LooksLikeJpeg(view) && !JpegIsWhole(view)) return std::nullopt;
  QImage image = ReadImage(bytes);
  if (image.isNull()) return std::nullopt;
  if (format == PictureFormat::Icon) {
    // An icon shows what lies beneath where its mask leaves it out.
    int w = image.width(), h = image.height();
    auto native = std::make_shared<QtTranslucentPicture>(
        image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return Picture{w, h, RasterImage(), native};
  }
  RasterImage pixels = PixelsOf(std::move(image), format == PictureFormat::Raster);
  int32_t w = pixels.width, h = pixels.height;
  return Picture{w, h, std::move(pixels), nullptr};
}

bool QtPictureSource::exists(std::string_view cp932Name) {
  return QFile::exists(NativeName(cp932Name));
}

std::optional<FileStamp> QtPictureSource::stampOf(std::string_view cp932Name) {
  std::filesystem::path path(QFile::encodeName(NativeName(cp932Name)).toStdString());
  std::error_code error;
  auto size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return FileStamp{static_cast<int64_t>(size),
                   static_cast<int64_t>(written.time_since_epoch().count())};
}

std::optional<Picture> QtPictureSource::decode(std::string_view cp932Name) {
  PictureFormat format = PictureFormatOf(cp932Name);
  if (format == PictureFormat::Undrawn) return std::nullopt;
  QFile file(NativeName(cp932Name));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return DecodeQtPicture(file.readAll(), format);
}

}  // namespace zf61
