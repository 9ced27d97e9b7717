// Photos and other raster pictures through Qt's image readers, drawn as bitmaps of the same
// pixels are: in the generated picture, in a crop window, turned, over what lies beneath where
// they are transparent; damaged files draw nothing. The pictures are made here with Qt's own
// writers, and the GIFs with imagemagick, since Qt writes none.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <string>

#include "exchange/ExchangeReader.h"
#include "output/PictureGenerator.h"
#include "window/ControlChecks.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"
#include "view/PictureDrawing.h"
#include "view/ViewNavigator.h"

namespace zf61 {
namespace {

constexpr QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kYellow = 0xFFFFFF00u;
constexpr QRgb kWhite32 = 0xFFFFFFFFu;
// JPEG keeps flat colours only to within a few levels.
constexpr int kJpegLevels = 12;

// 128 x 64 pixels: red, green above; blue, yellow below. The quarters meet on the edges of
// JPEG's 16-pixel blocks, so that each keeps its colour.
QImage Quadrants() {
  QImage image(128, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 128; ++x)
      image.setPixel(x, y, y < 32 ? (x < 64 ? kRed : kGreen) : (x < 64 ? kBlue : kYellow));
  }
  return image;
}

// The picture written as `name` in `dir`, in the format its extension names.
std::string Write(const test::TempDir& dir, const QImage& image, const char* name) {
  std::string path = (dir / name).string();
  std::string ext = PictureExtension(name);
  if (ext == ".GIF") {
    std::string png = path + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(png), "PNG"));
    std::string command = "convert '" + png + "' '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "imagemagick's convert is needed";
  } else {
    const char* format = ext == ".TIF" ? "TIFF" : ext == ".JPG" ? "JPEG" : ext.c_str() + 1;
    EXPECT_TRUE(image.save(QString::fromStdString(path), format, 95)) << name;
  }
  return path;
}

bool Near(QRgb actual, QRgb expected, int levels) {
  return std::abs(qRed(actual) - qRed(expected)) <= levels &&
         std::abs(qGreen(actual) - qGreen(expected)) <= levels &&
         std::abs(qBlue(actual) - qBlue(expected)) <= levels;
}

struct Drawing {
  test::TempDir dir;
  DrawingStore store;
  TgraAttribute att;
  QtCanvas canvas{600, 200};
  ViewNavigator nav{store, [] { return PaintBoxSize{600, 200}; }, nullptr};
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer{store, pictures, esc};

  void read(const std::vector<std::string>& lines) {
    ExchangeReader reader(store);
    for (const std::string& line : lines) reader.parseLine(line);
    nav.FitWithoutRedraw();
  }
  QRgb pixelAt(const QImage& image, double x, double y) const {
    PixelPoint p = nav.view().DrawingToWindow(x, y);
    return image.pixel(p.x, p.y);
  }
};

// The picture text of `path`, 80 units wide, at (x, y), along the direction (dx, dy).
std::string PictureText(const std::string& path, int x, int y, const char* direction = "1 0",
                        const char* numbers = "80,40") {
  return "ch " + std::to_string(x) + " " + std::to_string(y) + " " + direction + " \"^@BM" + path +
         "," + numbers;
}

TEST(RasterPictures, EachFormatAndATurnedBitmapInTheGeneratedPicture) {
  Drawing d;
  const QImage image = Quadrants();
  const char* names[] = {"a.png", "a.JPG", "a.gif", "a.tif"};
  std::vector<std::string> lines;
  for (int i = 0; i < 4; ++i)
    lines.push_back(PictureText(Write(d.dir, image, names[i]), 100 * i, 0));
  // A quarter turn: the bitmap's top edge runs up from (410, 0), its bottom edge from (450, 0).
  lines.push_back(PictureText(Write(d.dir, image, "a.bmp"), 450, 0, "0 1"));
  lines.push_back("ci 20 30 5");  // filled half black over the PNG's red
  d.read(lines);
  RegionTracer tracer(d.store, d.att);
  PictureGenerator generator(d.att, d.nav.view(), tracer, d.renderer);
  PictureControls controls;
  controls.edit1 = (d.dir / "out.bmp").string();
  controls.edit2 = "128";
  controls.edit3 = "72";
  std::filesystem::path made = d.dir / "zf61_temp.BMP";
  ASSERT_EQ(GeneratePicture(generator, controls, "", d.canvas, made, (d.dir / "").string()).outcome,
            GenerationOutcome::Generated);
  QImage saved(QString::fromStdString(made.string()));
  ASSERT_FALSE(saved.isNull());
  for (int i = 0; i < 4; ++i) {
    int levels = i == 1 ? kJpegLevels : 0;
    double x0 = 100 * i;
    if (i != 0) {  // the PNG's red is under the fill
      EXPECT_PRED3(Near, d.pixelAt(saved, x0 + 20, 30), kRed, levels) << names[i];
    }
    EXPECT_PRED3(Near, d.pixelAt(saved, x0 + 60, 30), kGreen, levels) << names[i];
    EXPECT_PRED3(Near, d.pixelAt(saved, x0 + 20, 10), kBlue, levels) << names[i];
    EXPECT_PRED3(Near, d.pixelAt(saved, x0 + 60, 10), kYellow, levels) << names[i];
    EXPECT_EQ(d.pixelAt(saved, x0 + 40, 60), kWhite32) << names[i];  // 40 high, not 80
  }
  EXPECT_PRED3(Near, d.pixelAt(saved, 20, 30), 0xFF800000u, 1);  // the fill over the photo
  // Turned: the image's top-left quarter lies along its left (upper) edge near the start.
  EXPECT_EQ(d.pixelAt(saved, 420, 20), kRed);
  EXPECT_EQ(d.pixelAt(saved, 420, 60), kGreen);
  EXPECT_EQ(d.pixelAt(saved, 440, 20), kBlue);
  EXPECT_EQ(d.pixelAt(saved, 440, 60), kYellow);
  EXPECT_EQ(d.pixelAt(saved, 470, 20), kWhite32);
}

TEST(RasterPictures, ACropWindowOfAJpegAndTurnsOfThirtyDegrees) {
  Drawing d;
  const std::string jpeg = Write(d.dir, Quadrants(), "crop.jpeg");
  const std::string png = Write(d.dir, Quadrants(), "turn.PNG");
  // The top right quarter, then the bottom left one, each filling a whole 80 x 40 box.
  d.read({PictureText(jpeg, 0, 0, "1 0", "80,40,0.5,0.5,0.5"),
          PictureText(jpeg, 100, 0, "1 0", "80,40,0,0,0.5"),
          PictureText(png, 300, 0, "0.8660254037844387 0.5")});
  DrawContext ctx(d.canvas, d.nav.view(), d.att);
  d.renderer.DrawAll(ctx);
  QImage drawn = d.canvas.image();
  for (double x : {10.0, 40.0, 70.0}) {
    for (double y : {5.0, 20.0, 35.0}) {
      EXPECT_PRED3(Near, d.pixelAt(drawn, x, y), kGreen, kJpegLevels) << x << " " << y;
      EXPECT_PRED3(Near, d.pixelAt(drawn, 100 + x, y), kBlue, kJpegLevels) << x << " " << y;
    }
  }
  // Each quarter's centre, (20 or 60) along the direction and (30 or 10) across it.
  const double c = std::sqrt(3.0) / 2, s = 0.5;
  auto turned = [&](double along, double across) {
    return d.pixelAt(drawn, 300 + along * c - across * s, along * s + across * c);
  };
  EXPECT_EQ(turned(20, 30), kRed);
  EXPECT_EQ(turned(60, 30), kGreen);
  EXPECT_EQ(turned(20, 10), kBlue);
  EXPECT_EQ(turned(60, 10), kYellow);
  EXPECT_EQ(turned(40, 46), kWhite32);  // beyond the top edge
  EXPECT_EQ(turned(86, 20), kWhite32);  // beyond the far end
}

TEST(RasterPictures, TransparentPartsShowWhatLiesBeneath) {
  test::TempDir dir;
  QImage image(40, 20, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 20; ++y) {
    for (int x = 20; x < 40; ++x) image.setPixel(x, y, y < 10 ? 0x80FF0000u : kRed);
  }
  QtPictureSource source;
  for (const char* name : {"t.png", "t.gif", "t.tiff"}) {
    std::optional<Picture> picture = source.load(Write(dir, image, name));
    ASSERT_TRUE(picture) << name;
    ASSERT_TRUE(picture->raster.translucent) << name;
    QtCanvas canvas(60, 80);
    canvas.setBrush(MakeColour(0, 0, 255), BrushStyle::Solid);
    canvas.rectangle(-1, -1, 61, 81);
    canvas.drawPicture(*picture, 0, 0, 40, 20);
    canvas.drawPictureTurned(*picture, {{40, 30}, {40, 70}, {20, 30}});  // a quarter turn
    QImage px = canvas.image();
    EXPECT_EQ(px.pixel(5, 5), kBlue) << name;   // see-through
    EXPECT_EQ(px.pixel(30, 15), kRed) << name;  // opaque
    // Turned, the image's columns run down from y = 30 and its rows leftwards from x = 40.
    EXPECT_EQ(px.pixel(30, 40), kBlue) << name;  // see-through
    EXPECT_EQ(px.pixel(25, 60), kRed) << name;   // opaque
    if (std::string(name) == "t.png") {          // half see-through: GIF has no halves
      EXPECT_PRED3(Near, px.pixel(30, 5), 0xFF7F007Fu, 2) << name;
      EXPECT_PRED3(Near, px.pixel(35, 60), 0xFF7F007Fu, 2) << name;
    }
  }
  // An alpha channel that hides nothing draws as plainly as a bitmap.
  QImage opaque(4, 4, QImage::Format_ARGB32);
  opaque.fill(kGreen);
  EXPECT_FALSE(source.load(Write(dir, opaque, "o.png"))->raster.translucent);
}

TEST(RasterPictures, DamagedOrCutFilesDrawNothing) {
  test::TempDir dir;
  QImage noise(120, 80, QImage::Format_RGB32);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) noise.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) & 0xFF));
  const std::string jpeg = test::ReadBytes(Write(dir, noise, "whole.jpg"));
  const std::string png = test::ReadBytes(Write(dir, noise, "whole.png"));
  test::WriteBytes(dir / "cut.jpg", jpeg.substr(0, jpeg.size() * 2 / 3));
  test::WriteBytes(dir / "cut.png", png.substr(0, png.size() * 2 / 3));
  std::string headless = jpeg;
  headless.replace(2, 40, std::string(40, '\x5A'));
  test::WriteBytes(dir / "headless.jpg", headless);
  test::WriteBytes(dir / "empty.png", "");
  test::WriteBytes(dir / "text.gif", "GIF89a but nothing more");
  QtPictureSource source;
  EXPECT_TRUE(source.load((dir / "whole.jpg").string()));
  test::RecordingCanvas canvas(400, 400);
  ViewWindow view = test::MakeView(0, 0, 1.0, 400, 400);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  for (const char* name : {"cut.jpg", "cut.png", "headless.jpg", "empty.png", "text.gif"}) {
    std::string path = (dir / name).string();
    EXPECT_FALSE(source.load(path)) << name;
    DrawPlainPicture(ctx, source, path, {0, 0, 100, 100});
    DrawTransformedPicture(ctx, source, path, {0, 0, 100, 100, 0, 1}, {0.1, 0.1, 0.5});
  }
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(canvas.rectangles.empty());
}

TEST(RasterPictures, KeptUntilTheFileChanges) {
  test::TempDir dir;
  QImage image(8, 4, QImage::Format_RGB32);
  image.fill(kRed);
  std::string path = Write(dir, image, "kept.png");
  QtPictureSource source;
  auto first = source.share(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(source.share(path), first);
  image = QImage(16, 4, QImage::Format_RGB32);
  image.fill(kGreen);
  Write(dir, image, "kept.png");
  auto second = source.share(path);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->width, 16);
  EXPECT_EQ(second->raster.at(0, 0), kGreen);
}

}  // namespace
}  // namespace zf61
