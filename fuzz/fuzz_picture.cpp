// The picture-reference parser and picture drawing: the first bytes choose the view and the
// picture's pixel size, the rest is the text of a picture figure. Where the text has a zero
// byte, what follows it is the picture file itself: a byte for the figure's direction, then the
// file's bytes, decoded by Qt's image readers as the program decodes the file the reference
// names (damaged and cut PNG, JPEG, GIF and TIFF files among the seeds).
#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "NullCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/EntityRenderer.h"
#include "view/PictureDrawing.h"
#include "view/PictureReference.h"

namespace {

// A picture of the given size in one colour, for every name; or, with file bytes, the picture
// those bytes decode to.
class FuzzPictures final : public zf61::PictureSource {
 public:
  int32_t width = 1, height = 1;
  std::optional<std::string> fileBytes;
  bool exists(std::string_view) override { return true; }
  std::optional<zf61::Picture> load(std::string_view name) override {
    if (fileBytes) {
      QByteArray bytes(fileBytes->data(), static_cast<qsizetype>(fileBytes->size()));
      std::optional<zf61::Picture> picture =
          zf61::DecodeQtPicture(bytes, zf61::PictureFormatOf(name));
      if (picture && !picture->raster.pixels.empty()) {
        FUZZ_CHECK(picture->raster.pixels.size() ==
                   static_cast<size_t>(picture->width) * picture->height);
      }
      return picture;
    }
    zf61::RasterImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, 0xFF336699u);
    return zf61::Picture{width, height, std::move(image), nullptr};
  }
};

double Scale(uint8_t b) {
  return b == 0 ? 1e-300 : (b == 255 ? 1e300 : b / 16.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  FuzzPictures pictures;
  pictures.width = 1 + data[0] % 64;
  pictures.height = 1 + data[1] % 64;
  zf61::ViewWindow view;
  view.Scale = Scale(data[2]);
  view.PixelWidth = 40, view.PixelHeight = 30;
  view.SetRectangle(data[3] - 128.0, 0.0);
  std::string text(reinterpret_cast<const char*>(data + 4), size - 4);
  zf61::DrawingStore store;
  zf61::TextFigure& figure = store.appendText();
  figure.x = data[3];
  figure.dirX = 1.0;
  if (size_t end = text.find('\0'); end != std::string::npos) {
    if (end + 1 < text.size()) {
      double angle = static_cast<uint8_t>(text[end + 1]) * (2.0 * 3.141592653589793 / 256.0);
      figure.dirX = std::cos(angle), figure.dirY = std::sin(angle);
      pictures.fileBytes = text.substr(end + 2);
    }
    text.resize(end);
  }
  zf61::test::NullCanvas canvas(40, 30);
  zf61::TgraAttribute att;
  zf61::DrawContext ctx(canvas, view, att);
  figure.text = text.substr(0, zf61::kMaxTextBytes);
  zf61::NoEscKey esc;
  zf61::EntityRenderer renderer(store, pictures, esc);
  renderer.DrawPictureText(ctx, figure);
  if (auto ref = zf61::ParsePictureReference(text)) {
    FUZZ_CHECK(text.compare(0, 4, "^@BM") == 0);
    zf61::DrawTransformedPicture(ctx, pictures, ref->fileName,
                                 {0, 0, ref->width, ref->height, figure.dirX, figure.dirY},
                                 {ref->cropLeft, ref->cropBottom, ref->cropScale});
  }
  return 0;
}
