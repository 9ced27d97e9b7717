// The picture scenes both platforms' suites draw with their own canvas and picture source:
// raster pictures of each format in the generated picture, a JPEG's crop window, turns of thirty
// degrees, see-through parts, damaged files, and metafiles and icons turned with their box. Each
// suite brings its own way of naming, writing and reading picture files (PictureFiles).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/ExchangeReader.h"
#include "output/PictureGenerator.h"
#include "support/PictureBytes.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"
#include "view/PictureDrawing.h"
#include "view/ViewNavigator.h"
#include "window/ControlChecks.h"

namespace zf61::test {

// Pixels as RasterImage holds them, 0xAARRGGBB.
inline constexpr uint32_t kRedPixel = 0xFFFF0000u;
inline constexpr uint32_t kGreenPixel = 0xFF00FF00u;
inline constexpr uint32_t kBluePixel = 0xFF0000FFu;
inline constexpr uint32_t kYellowPixel = 0xFFFFFF00u;
inline constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
// JPEG keeps flat colours only to within a few levels.
inline constexpr int kJpegLevels = 12;

// How a platform's suite names, writes and reads the files of the scenes.
struct PictureFiles {
  // The name a drawing gives the file at `path`, which the picture source loads.
  std::function<std::string(const std::filesystem::path& path)> nameOf;
  // Writes `image` as `name` (UTF-8) in `dir`, in the format its extension says; gives the
  // file's name as nameOf does.
  std::function<std::string(const TempDir& dir, const RasterImage& image, const char* name)> write;
  // The pixels of a BMP file the program saved, or nothing when it cannot be read.
  std::function<std::optional<RasterImage>(const std::filesystem::path& path)> readBmp;
};

// True when the red, green and blue of two pixels differ by at most `levels` each.
inline bool NearColour(uint32_t actual, uint32_t expected, int levels) {
  for (int shift : {16, 8, 0}) {
    int a = static_cast<int>(actual >> shift & 0xFF),
        e = static_cast<int>(expected >> shift & 0xFF);
    if (std::abs(a - e) > levels) return false;
  }
  return true;
}

// 128 x 64 pixels: red, green above; blue, yellow below. The quarters meet on the edges of
// JPEG's 16-pixel blocks, so that each keeps its colour.
inline RasterImage Quadrants() {
  RasterImage image{128, 64, {}};
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 128; ++x) {
      image.pixels.push_back(y < 32 ? (x < 64 ? kRedPixel : kGreenPixel)
                                    : (x < 64 ? kBluePixel : kYellowPixel));
    }
  }
  return image;
}

// 40 x 20 pixels: the left half wholly see-through, the right half red, half see-through in its
// upper half.
inline RasterImage HalfSeeThrough() {
  RasterImage image{40, 20, {}};
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      image.pixels.push_back(x < 20 ? 0u : y < 10 ? 0x80FF0000u : kRedPixel);
    }
  }
  return image;
}

// 120 x 80 pixels of changing colours, which compress to files with much to cut from.
inline RasterImage Noise() {
  RasterImage image{120, 80, {}};
  for (uint32_t y = 0; y < 80; ++y) {
    for (uint32_t x = 0; x < 120; ++x) {
      image.pixels.push_back(0xFF000000u | (x * 2) << 16 | (y * 3) << 8 | ((x * y) & 0xFF));
    }
  }
  return image;
}

// The picture text of `path`, 80 units wide, at (x, y), along the direction (dx, dy).
inline std::string PictureText(const std::string& path, int x, int y, const char* direction = "1 0",
                               const char* numbers = "80,40") {
  return "ch " + std::to_string(x) + " " + std::to_string(y) + " " + direction + " \"^@BM" + path +
         "," + numbers;
}

// A drawing of pictures shown on a 600 x 200 canvas of the platform's kind.
template <class CanvasType, class PictureSourceType>
struct PictureDrawing {
  TempDir dir;
  DrawingStore store;
  TgraAttribute att;
  CanvasType canvas{600, 200};
  ViewNavigator nav{store, [] { return PaintBoxSize{600, 200}; }, nullptr};
  PictureSourceType pictures;
  NoEscKey esc;
  EntityRenderer renderer{store, pictures, esc};

  // Reads the exchange file's lines and fits the view to them.
  void read(const std::vector<std::string>& lines) {
    ExchangeReader reader(store);
    for (const std::string& line : lines) reader.parseLine(line);
    nav.FitWithoutRedraw();
  }
  uint32_t pixelAt(const RasterImage& image, double drawX, double drawY) const {
    PixelPoint p = nav.view().DrawingToWindow(drawX, drawY);
    return image.at(p.x, p.y);
  }
};

// The quadrants as PNG (named `pngName`), JPEG, GIF and TIFF side by side, a bitmap turned a
// quarter, and a circle filled over the PNG, in the picture 作図実行 saves.
template <class CanvasType, class PictureSourceType>
void CheckEachFormatAndATurnedBitmap(const PictureFiles& files, const char* pngName) {
  PictureDrawing<CanvasType, PictureSourceType> d;
  const RasterImage image = Quadrants();
  const char* names[] = {pngName, "a.JPG", "a.gif", "a.tif"};
  std::vector<std::string> lines;
  for (int i = 0; i < 4; ++i) {
    lines.push_back(PictureText(files.write(d.dir, image, names[i]), 100 * i, 0));
  }
  // A quarter turn: the bitmap's top edge runs up from (410, 0), its bottom edge from (450, 0).
  lines.push_back(PictureText(files.write(d.dir, image, "a.bmp"), 450, 0, "0 1"));
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
  std::optional<RasterImage> saved = files.readBmp(made);
  ASSERT_TRUE(saved);
  const RasterImage& px = *saved;
  for (int i = 0; i < 4; ++i) {
    int levels = i == 1 ? kJpegLevels : 0;
    double x0 = 100 * i;
    if (i != 0) {  // the PNG's red is under the fill
      EXPECT_PRED3(NearColour, d.pixelAt(px, x0 + 20, 30), kRedPixel, levels) << names[i];
    }
    EXPECT_PRED3(NearColour, d.pixelAt(px, x0 + 60, 30), kGreenPixel, levels) << names[i];
    EXPECT_PRED3(NearColour, d.pixelAt(px, x0 + 20, 10), kBluePixel, levels) << names[i];
    EXPECT_PRED3(NearColour, d.pixelAt(px, x0 + 60, 10), kYellowPixel, levels) << names[i];
    EXPECT_EQ(d.pixelAt(px, x0 + 40, 60), kWhitePixel) << names[i];  // 40 high, not 80
  }
  EXPECT_PRED3(NearColour, d.pixelAt(px, 20, 30), 0xFF800000u, 1);  // the fill over the photo
  // Turned: the image's top-left quarter lies along its left (upper) edge near the start.
  EXPECT_EQ(d.pixelAt(px, 420, 20), kRedPixel);
  EXPECT_EQ(d.pixelAt(px, 420, 60), kGreenPixel);
  EXPECT_EQ(d.pixelAt(px, 440, 20), kBluePixel);
  EXPECT_EQ(d.pixelAt(px, 440, 60), kYellowPixel);
  EXPECT_EQ(d.pixelAt(px, 470, 20), kWhitePixel);
}

// Two crop windows of one JPEG, each filling a whole box, and a PNG turned thirty degrees, as
// the renderer draws them on the canvas.
template <class CanvasType, class PictureSourceType>
void CheckCropWindowsAndAThirtyDegreeTurn(const PictureFiles& files) {
  PictureDrawing<CanvasType, PictureSourceType> d;
  const std::string jpeg = files.write(d.dir, Quadrants(), "crop.jpeg");
  const std::string png = files.write(d.dir, Quadrants(), "turn.PNG");
  // The top right quarter, then the bottom left one, each filling a whole 80 x 40 box.
  d.read({PictureText(jpeg, 0, 0, "1 0", "80,40,0.5,0.5,0.5"),
          PictureText(jpeg, 100, 0, "1 0", "80,40,0,0,0.5"),
          PictureText(png, 300, 0, "0.8660254037844387 0.5")});
  DrawContext ctx(d.canvas, d.nav.view(), d.att);
  d.renderer.DrawAll(ctx);
  const RasterImage drawn = d.canvas.readPixels();
  for (double x : {10.0, 40.0, 70.0}) {
    for (double y : {5.0, 20.0, 35.0}) {
      EXPECT_PRED3(NearColour, d.pixelAt(drawn, x, y), kGreenPixel, kJpegLevels) << x << " " << y;
      EXPECT_PRED3(NearColour, d.pixelAt(drawn, 100 + x, y), kBluePixel, kJpegLevels)
          << x << " " << y;
    }
  }
  // Each quarter's centre, (20 or 60) along the direction and (30 or 10) across it.
  const double c = std::sqrt(3.0) / 2, s = 0.5;
  auto turned = [&](double along, double across) {
    return d.pixelAt(drawn, 300 + along * c - across * s, along * s + across * c);
  };
  EXPECT_EQ(turned(20, 30), kRedPixel);
  EXPECT_EQ(turned(60, 30), kGreenPixel);
  EXPECT_EQ(turned(20, 10), kBluePixel);
  EXPECT_EQ(turned(60, 10), kYellowPixel);
  EXPECT_EQ(turned(40, 46), kWhitePixel);  // beyond the top edge
  EXPECT_EQ(turned(86, 20), kWhitePixel);  // beyond the far end
}

// A picture of HalfSeeThrough() drawn on a 60 x 80 canvas painted blue: upright into
// (0, 0)-(40, 20), and a quarter turn into (20, 30)-(40, 70).
template <class CanvasType>
RasterImage SeeThroughOverBlue(const Picture& picture) {
  CanvasType canvas(60, 80);
  canvas.setBrush(MakeColour(0, 0, 255), BrushStyle::Solid);
  canvas.rectangle(-1, -1, 61, 81);
  canvas.drawPicture(picture, 0, 0, 40, 20);
  canvas.drawPictureTurned(picture, {{40, 30}, {40, 70}, {20, 30}});
  return canvas.readPixels();
}

// The blue shows where the picture is see-through, and through its half see-through part when
// the file `name` keeps such halves (GIF has none).
inline void CheckSeeThroughOverBlue(const RasterImage& px, const char* name, bool keepsHalves) {
  EXPECT_EQ(px.at(5, 5), kBluePixel) << name;   // see-through
  EXPECT_EQ(px.at(30, 15), kRedPixel) << name;  // opaque
  // Turned, the image's columns run down from y = 30 and its rows leftwards from x = 40.
  EXPECT_EQ(px.at(30, 40), kBluePixel) << name;  // see-through
  EXPECT_EQ(px.at(25, 60), kRedPixel) << name;   // opaque
  if (keepsHalves) {
    EXPECT_PRED3(NearColour, px.at(30, 5), 0xFF7F007Fu, 2) << name;
    EXPECT_PRED3(NearColour, px.at(35, 60), 0xFF7F007Fu, 2) << name;
  }
}

// JPEG and PNG files cut short, a JPEG with its header overwritten, an empty file and a GIF of
// text neither load nor draw anything, plain or cropped and turned.
template <class PictureSourceType>
void CheckDamagedFilesDrawNothing(const PictureFiles& files) {
  TempDir dir;
  files.write(dir, Noise(), "whole.jpg");
  files.write(dir, Noise(), "whole.png");
  const std::string jpeg = ReadBytes(dir / "whole.jpg");
  const std::string png = ReadBytes(dir / "whole.png");
  WriteBytes(dir / "cut.jpg", jpeg.substr(0, jpeg.size() * 2 / 3));
  WriteBytes(dir / "cut.png", png.substr(0, png.size() * 2 / 3));
  std::string headless = jpeg;
  headless.replace(2, 40, std::string(40, '\x5A'));
  WriteBytes(dir / "headless.jpg", headless);
  WriteBytes(dir / "empty.png", "");
  WriteBytes(dir / "text.gif", "GIF89a but nothing more");
  PictureSourceType source;
  EXPECT_TRUE(source.load(files.nameOf(dir / "whole.jpg")));
  RecordingCanvas canvas(400, 400);
  ViewWindow view = MakeView(0, 0, 1.0, 400, 400);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  for (const char* file : {"cut.jpg", "cut.png", "headless.jpg", "empty.png", "text.gif"}) {
    const std::string name = files.nameOf(dir / file);
    EXPECT_FALSE(source.load(name)) << file;
    DrawPlainPicture(ctx, source, name, {0, 0, 100, 100});
    DrawTransformedPicture(ctx, source, name, {0, 0, 100, 100, 0, 1}, {0.1, 0.1, 0.5});
  }
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(canvas.rectangles.empty());
}

// An EMF and an icon with a mask, turned a quarter with their box over blue: the EMF's inset
// rectangle and unpainted margin, the icon's masked half, and nothing beyond the box.
template <class CanvasType, class PictureSourceType>
void CheckMetafilesAndIconsTurnWithTheirBox(
    const std::function<std::string(const std::filesystem::path&)>& nameOf) {
  TempDir dir;
  WriteBytes(dir / "red.emf", RedEmf());
  WriteBytes(dir / "half.ico", HalfRedIcon(32));
  PictureSourceType source;
  for (const char* file : {"red.emf", "half.ico"}) {
    std::optional<Picture> picture = source.load(nameOf(dir / file));
    ASSERT_TRUE(picture) << file;
    CanvasType canvas(120, 220);
    const Colour blue = MakeColour(0, 0, 255);
    canvas.setPen(blue, 1);
    canvas.setBrush(blue, BrushStyle::Solid);
    canvas.rectangle(0, 0, 120, 220);
    // A quarter turn of a 200 x 100 box: the picture's width runs down from (110, 0), its
    // height leftwards.
    canvas.drawPictureTurned(*picture, {{110, 0}, {110, 200}, {10, 0}});
    RasterImage px = canvas.readPixels();
    if (std::string(file) == "red.emf") {
      EXPECT_EQ(px.at(60, 100), kRedPixel);    // the inset rectangle
      EXPECT_EQ(px.at(100, 100), kBluePixel);  // its margin, unpainted
      EXPECT_EQ(px.at(60, 10), kBluePixel);
    } else {
      EXPECT_EQ(px.at(60, 50), kBluePixel);  // masked out
      EXPECT_EQ(px.at(60, 150), kRedPixel);
    }
    EXPECT_EQ(px.at(115, 100), kBluePixel) << file;  // nothing beyond the box
  }
}

}  // namespace zf61::test
