// Photos and other raster pictures through GDI+, drawn as bitmaps of the same pixels are: in the
// generated picture, in a crop window, turned, over what lies beneath where they are
// transparent; damaged files draw nothing. The pictures are made here with GDI+'s own encoders.
#include <gtest/gtest.h>

#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "exchange/ExchangeReader.h"
#include "output/BmpWriter.h"
#include "output/PictureGenerator.h"
#include "window/ControlChecks.h"
#include "platform/GdiCanvas.h"
#include "platform/WideText.h"
#include "platform/Win32PictureSource.h"
#include "support/PictureBytes.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"
#include "view/PictureDrawing.h"
#include "view/ViewNavigator.h"

namespace zf61::win32 {
namespace {

namespace flat = Gdiplus::DllExports;

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu,
                   kYellow = 0xFFFFFF00u, kWhite32 = 0xFFFFFFFFu;
// JPEG keeps flat colours only to within a few levels.
constexpr int kJpegLevels = 12;

// 128 x 64 pixels: red, green above; blue, yellow below. The quarters meet on the edges of
// JPEG's 16-pixel blocks, so that each keeps its colour.
RasterImage Quadrants() {
  RasterImage image{128, 64, {}};
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 128; ++x) {
      image.pixels.push_back(y < 32 ? (x < 64 ? kRed : kGreen) : (x < 64 ? kBlue : kYellow));
    }
  }
  return image;
}

bool EncoderFor(const wchar_t* mimeType, CLSID& clsid) {
  UINT count = 0, bytes = 0;
  flat::GdipGetImageEncodersSize(&count, &bytes);
  std::vector<char> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (bytes == 0 || flat::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(codecs[i].MimeType) == mimeType) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

// The image as a GDI+ bitmap: 32 bits a pixel, or indexed for GIF (Wine's GIF encoder takes
// nothing else); the caller disposes of it. `pixels` must outlive it.
Gdiplus::GpBitmap* BitmapOf(const RasterImage& image, std::vector<uint32_t>& pixels, bool indexed) {
  pixels = image.pixels;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (!indexed) {
    flat::GdipCreateBitmapFromScan0(image.width, image.height, image.width * 4,
                                    PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()),
                                    &bitmap);
    return bitmap;
  }
  std::vector<uint32_t> colours;
  std::vector<BYTE> indices;
  for (uint32_t p : image.pixels) {
    auto at = std::find(colours.begin(), colours.end(), p);
    if (at == colours.end()) at = colours.insert(colours.end(), p);
    indices.push_back(static_cast<BYTE>(at - colours.begin()));
  }
  flat::GdipCreateBitmapFromScan0(image.width, image.height, 0, PixelFormat8bppIndexed, nullptr,
                                  &bitmap);
  std::vector<char> paletteBytes(sizeof(Gdiplus::ColorPalette) + 256 * sizeof(Gdiplus::ARGB));
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(paletteBytes.data());
  palette->Flags = 0;
  palette->Count = static_cast<UINT>(colours.size());
  std::copy(colours.begin(), colours.end(), palette->Entries);
  flat::GdipSetImagePalette(bitmap, palette);
  Gdiplus::BitmapData data = {};
  Gdiplus::GpRect all(0, 0, image.width, image.height);
  flat::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed,
                           &data);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(indices.begin() + y * image.width, image.width,
                static_cast<BYTE*>(data.Scan0) + y * data.Stride);
  }
  flat::GdipBitmapUnlockBits(bitmap, &data);
  return bitmap;
}

// The image written as `name` in `dir` by GDI+'s encoder for `mimeType`, or as a BMP by the
// program's own writer; its name in Shift-JIS, as a drawing gives it.
std::string Write(const test::TempDir& dir, const RasterImage& image, const char* name,
                  const wchar_t* mimeType) {
  std::filesystem::path path = dir.path() / Utf8ToWide(name);
  if (std::wstring(mimeType) == L"image/bmp") {
    EXPECT_TRUE(WriteBmpFile(path, ConvertToDepth(image, ColourDepth::Bits24)));
  } else {
    CLSID clsid;
    EXPECT_TRUE(EncoderFor(mimeType, clsid)) << name;
    std::vector<uint32_t> pixels;
    Gdiplus::GpBitmap* bitmap = BitmapOf(image, pixels, std::wstring(mimeType) == L"image/gif");
    EXPECT_EQ(flat::GdipSaveImageToFile(bitmap, path.c_str(), &clsid, nullptr), Gdiplus::Ok)
        << name;
    flat::GdipDisposeImage(bitmap);
  }
  return WideToCp932(path.wstring());
}

bool Near(uint32_t actual, uint32_t expected, int levels) {
  for (int shift : {16, 8, 0}) {
    int a = actual >> shift & 0xFF, e = expected >> shift & 0xFF;
    if (std::abs(a - e) > levels) return false;
  }
  return true;
}

struct Drawing {
  test::TempDir dir;
  DrawingStore store;
  TgraAttribute att;
  GdiCanvas canvas{600, 200};
  ViewNavigator nav{store, [] { return PaintBoxSize{600, 200}; }, nullptr};
  Win32PictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer{store, pictures, esc};

  void read(const std::vector<std::string>& lines) {
    ExchangeReader reader(store);
    for (const std::string& line : lines) reader.parseLine(line);
    nav.FitWithoutRedraw();
  }
  uint32_t pixelAt(const RasterImage& image, double x, double y) const {
    PixelPoint p = nav.view().DrawingToWindow(x, y);
    return image.at(p.x, p.y);
  }
};

// The picture text of `path`, 80 units wide, at (x, y), along the direction.
std::string PictureText(const std::string& path, int x, int y, const char* direction = "1 0",
                        const char* numbers = "80,40") {
  return "ch " + std::to_string(x) + " " + std::to_string(y) + " " + direction + " \"^@BM" + path +
         "," + numbers;
}

TEST(Win32RasterPictures, EachFormatAndATurnedBitmapInTheGeneratedPicture) {
  Drawing d;
  const RasterImage image = Quadrants();
  const std::pair<const char*, const wchar_t*> files[] = {{"写真.png", L"image/png"},
                                                          {"a.JPG", L"image/jpeg"},
                                                          {"a.gif", L"image/gif"},
                                                          {"a.tif", L"image/tiff"}};
  std::vector<std::string> lines;
  for (int i = 0; i < 4; ++i) {
    lines.push_back(PictureText(Write(d.dir, image, files[i].first, files[i].second), 100 * i, 0));
  }
  // A quarter turn: the bitmap's top edge runs up from (410, 0), its bottom edge from (450, 0).
  lines.push_back(PictureText(Write(d.dir, image, "a.bmp", L"image/bmp"), 450, 0, "0 1"));
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
  std::optional<Picture> saved = d.pictures.load(WideToCp932(made.wstring()));
  ASSERT_TRUE(saved);
  const RasterImage& px = saved->raster;
  for (int i = 0; i < 4; ++i) {
    int levels = i == 1 ? kJpegLevels : 0;
    double x0 = 100 * i;
    const char* name = files[i].first;
    if (i != 0) {  // the PNG's red is under the fill
      EXPECT_PRED3(Near, d.pixelAt(px, x0 + 20, 30), kRed, levels) << name;
    }
    EXPECT_PRED3(Near, d.pixelAt(px, x0 + 60, 30), kGreen, levels) << name;
    EXPECT_PRED3(Near, d.pixelAt(px, x0 + 20, 10), kBlue, levels) << name;
    EXPECT_PRED3(Near, d.pixelAt(px, x0 + 60, 10), kYellow, levels) << name;
    EXPECT_EQ(d.pixelAt(px, x0 + 40, 60), kWhite32) << name;  // 40 high, not 80
  }
  EXPECT_PRED3(Near, d.pixelAt(px, 20, 30), 0xFF800000u, 1);  // the fill over the photo
  EXPECT_EQ(d.pixelAt(px, 420, 20), kRed);
  EXPECT_EQ(d.pixelAt(px, 420, 60), kGreen);
  EXPECT_EQ(d.pixelAt(px, 440, 20), kBlue);
  EXPECT_EQ(d.pixelAt(px, 440, 60), kYellow);
  EXPECT_EQ(d.pixelAt(px, 470, 20), kWhite32);
}

TEST(Win32RasterPictures, ACropWindowOfAJpegAndTurnsOfThirtyDegrees) {
  Drawing d;
  const std::string jpeg = Write(d.dir, Quadrants(), "crop.jpeg", L"image/jpeg");
  const std::string png = Write(d.dir, Quadrants(), "turn.PNG", L"image/png");
  d.read({PictureText(jpeg, 0, 0, "1 0", "80,40,0.5,0.5,0.5"),
          PictureText(jpeg, 100, 0, "1 0", "80,40,0,0,0.5"),
          PictureText(png, 300, 0, "0.8660254037844387 0.5")});
  DrawContext ctx(d.canvas, d.nav.view(), d.att);
  d.renderer.DrawAll(ctx);
  RasterImage drawn = d.canvas.readPixels();
  for (double x : {10.0, 40.0, 70.0}) {
    for (double y : {5.0, 20.0, 35.0}) {
      EXPECT_PRED3(Near, d.pixelAt(drawn, x, y), kGreen, kJpegLevels) << x << " " << y;
      EXPECT_PRED3(Near, d.pixelAt(drawn, 100 + x, y), kBlue, kJpegLevels) << x << " " << y;
    }
  }
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

TEST(Win32RasterPictures, TransparentPartsShowWhatLiesBeneath) {
  test::TempDir dir;
  RasterImage image{40, 20, {}};
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) image.pixels.push_back(x < 20 ? 0u : y < 10 ? 0x80FF0000u : kRed);
  }
  Win32PictureSource source;
  std::optional<Picture> picture = source.load(Write(dir, image, "t.png", L"image/png"));
  ASSERT_TRUE(picture);
  ASSERT_TRUE(picture->raster.translucent);
  GdiCanvas canvas(60, 80);
  canvas.setBrush(MakeColour(0, 0, 255), BrushStyle::Solid);
  canvas.rectangle(-1, -1, 61, 81);
  canvas.drawPicture(*picture, 0, 0, 40, 20);
  canvas.drawPictureTurned(*picture, {{40, 30}, {40, 70}, {20, 30}});  // a quarter turn
  RasterImage px = canvas.readPixels();
  EXPECT_EQ(px.at(5, 5), kBlue);   // see-through
  EXPECT_EQ(px.at(30, 15), kRed);  // opaque
  EXPECT_PRED3(Near, px.at(30, 5), 0xFF7F007Fu, 2);
  // Turned, the image's columns run down from y = 30 and its rows leftwards from x = 40.
  EXPECT_EQ(px.at(30, 40), kBlue);
  EXPECT_EQ(px.at(25, 60), kRed);
  EXPECT_PRED3(Near, px.at(35, 60), 0xFF7F007Fu, 2);
  EXPECT_EQ(px.at(50, 50), kBlue);  // nothing beyond the box
}

TEST(Win32RasterPictures, DamagedOrCutFilesDrawNothing) {
  test::TempDir dir;
  RasterImage noise{120, 80, {}};
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) {
      noise.pixels.push_back(0xFF000000u | (x * 2) << 16 | (y * 3) << 8 | ((x * y) & 0xFF));
    }
  }
  Write(dir, noise, "whole.jpg", L"image/jpeg");
  Write(dir, noise, "whole.png", L"image/png");
  const std::string jpegBytes = test::ReadBytes(dir / "whole.jpg");
  const std::string pngBytes = test::ReadBytes(dir / "whole.png");
  test::WriteBytes(dir / "cut.jpg", jpegBytes.substr(0, jpegBytes.size() * 2 / 3));
  test::WriteBytes(dir / "cut.png", pngBytes.substr(0, pngBytes.size() * 2 / 3));
  std::string headless = jpegBytes;
  headless.replace(2, 40, std::string(40, '\x5A'));
  test::WriteBytes(dir / "headless.jpg", headless);
  test::WriteBytes(dir / "empty.png", "");
  test::WriteBytes(dir / "text.gif", "GIF89a but nothing more");
  Win32PictureSource source;
  auto name = [&](const char* file) { return WideToCp932((dir / file).wstring()); };
  EXPECT_TRUE(source.load(name("whole.jpg")));
  test::RecordingCanvas canvas(400, 400);
  ViewWindow view = test::MakeView(0, 0, 1.0, 400, 400);
  TgraAttribute att;
  DrawContext ctx(canvas, view, att);
  for (const char* file : {"cut.jpg", "cut.png", "headless.jpg", "empty.png", "text.gif"}) {
    EXPECT_FALSE(source.load(name(file))) << file;
    DrawPlainPicture(ctx, source, name(file), {0, 0, 100, 100});
    DrawTransformedPicture(ctx, source, name(file), {0, 0, 100, 100, 0, 1}, {0.1, 0.1, 0.5});
  }
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(canvas.rectangles.empty());
}

TEST(Win32RasterPictures, MetafilesAndIconsTurnWithTheirBox) {
  test::TempDir dir;
  test::WriteBytes(dir / "red.emf", test::RedEmf());
  test::WriteBytes(dir / "half.ico", test::HalfRedIcon(32));
  Win32PictureSource source;
  for (const char* file : {"red.emf", "half.ico"}) {
    std::optional<Picture> picture = source.load(WideToCp932((dir / file).wstring()));
    ASSERT_TRUE(picture) << file;
    GdiCanvas canvas(120, 220);
    const Colour blue = MakeColour(0, 0, 255);
    canvas.setPen(blue, 1);
    canvas.setBrush(blue, BrushStyle::Solid);
    canvas.rectangle(0, 0, 120, 220);
    // A quarter turn of a 200 x 100 box: the picture's width runs down from (110, 0), its
    // height leftwards.
    canvas.drawPictureTurned(*picture, {{110, 0}, {110, 200}, {10, 0}});
    RasterImage px = canvas.readPixels();
    if (std::string(file) == "red.emf") {
      EXPECT_EQ(px.at(60, 100), kRed);    // the inset rectangle
      EXPECT_EQ(px.at(100, 100), kBlue);  // its margin, unpainted
      EXPECT_EQ(px.at(60, 10), kBlue);
    } else {
      EXPECT_EQ(px.at(60, 50), kBlue);  // masked out
      EXPECT_EQ(px.at(60, 150), kRed);
    }
    EXPECT_EQ(px.at(115, 100), kBlue) << file;  // nothing beyond the box
  }
}

}  // namespace
}  // namespace zf61::win32
