// Metafile rendering through SVG.
#include "platform/MetafileRenderer.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "view/PictureSource.h"

#if defined(ZF61_HAVE_METAFILES)
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#include <QSvgRenderer>
#endif

namespace zf61 {
namespace {

#if defined(ZF61_HAVE_METAFILES)

QByteArray WmfToSvg(const QByteArray& bytes) {
  wmfAPI* api = nullptr;
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL;
  if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
    if (api) wmf_api_destroy(api);
    return {};
  }
  QByteArray svg;
  QByteArray copy = bytes;  // libwmf reads from a buffer it does not own
  auto* data = WMF_SVG_GetData(api);
  wmfD_Rect box;
  if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(copy.data()),
                   static_cast<long>(copy.size())) == wmf_E_None &&
      wmf_scan(api, 0, &box) == wmf_E_None) {
    // The box of what is drawn, as libwmf's own converter takes it; the image keeps the
    // header's aspect ratio, so content that does not fill its frame is stretched to it.
    float width = 0, height = 0;
    wmf_size(api, &width, &height);
    data->out = wmf_stream_create(api, nullptr);
    data->bbox = box;
    data->width = static_cast<unsigned>(std::max(1.0f, std::ceil(width)));
    data->height = static_cast<unsigned>(std::max(1.0f, std::ceil(height)));
    if (wmf_play(api, 0, &box) == wmf_E_None) {
      char* text = nullptr;
      unsigned long length = 0;
      wmf_stream_destroy(api, data->out, &text, &length);
      // The buffer belongs to libwmf's memory manager and goes with the API object.
      if (text) svg = QByteArray(text, static_cast<qsizetype>(length));
    }
    wmf_mem_close(api);
  }
  wmf_api_destroy(api);
  return svg;
}

QByteArray EmfToSvg(const QByteArray& bytes) {
  generatorOptions options{};
  options.nameSpace = const_cast<char*>("svg");
  options.svgDelimiter = true;
  options.emfplus = true;
  char* out = nullptr;
  size_t length = 0;
  QByteArray copy = bytes;
  if (!emf2svg(copy.data(), static_cast<size_t>(copy.size()), &out, &length, &options) || !out) {
    std::free(out);
    return {};
  }
  QByteArray svg(out, static_cast<qsizetype>(length));
  std::free(out);
  return svg;
}

#endif

}  // namespace

std::optional<RasterImage> RenderMetafile(const QByteArray& bytes, bool enhanced) {
  auto size = ReadMetafileSize(std::string_view(bytes.constData(), bytes.size()));
  if (!size) return std::nullopt;
  double aspect = static_cast<double>(size->width) / size->height;
  RasterImage out;
  out.width = aspect >= 1 ? kMetafileImageSide
                          : std::max(1, static_cast<int>(std::lround(kMetafileImageSide * aspect)));
  out.height = aspect >= 1 ? std::max(1, static_cast<int>(std::lround(kMetafileImageSide / aspect)))
                           : kMetafileImageSide;
#if defined(ZF61_HAVE_METAFILES)
  QByteArray svg = enhanced ? EmfToSvg(bytes) : WmfToSvg(bytes);
  QSvgRenderer renderer(svg);
  if (!svg.isEmpty() && renderer.isValid()) {
    QImage image(out.width, out.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
      std::copy(row, row + out.width, out.pixels.begin() + static_cast<ptrdiff_t>(y) * out.width);
    }
  }
#else
  (void)enhanced;
#endif
  // Without pixels the picture is still measured, so its box and placeholder follow the rules.
  return out;
}

}  // namespace zf61
