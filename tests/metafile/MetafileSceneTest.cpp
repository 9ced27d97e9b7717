// Metafiles read into scenes: where their records put things in the frame, which objects they
// select, which way their arcs run, and that damaged files stop cleanly.
#include "metafile/MetafileScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "support/MetafileBytes.h"

namespace zf61 {
namespace {

using test::EmfBytes;
using test::Put16;
using test::Put32;
using test::WmfBytes;

const SceneShape& ShapeAt(const MetafileScene& scene, size_t i) {
  return std::get<SceneShape>(scene.items.at(i).what);
}

void ExpectPoint(ScenePoint p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-6);
  EXPECT_NEAR(p.y, y, 1e-6);
}

TEST(MetafileScene, WmfWindowFillsTheFrameAndObjectsTakeTheLowestFreeSlot) {
  WmfBytes wmf(1000, 500);
  wmf.record(0x020B, {0, 0})                      // window origin
      .record(0x020C, {250, 500})                 // window 500 x 250: two frame units each
      .record(0x02FA, {0, 3, 0, 0x00FF, 0})       // slot 0: a red pen 3 units wide
      .record(0x02FC, {0, 0xFF00, 0x0000, 0})     // slot 1: a green brush
      .record(0x01F0, {0})                        // slot 0 freed
      .record(0x02FC, {0, 0x0000, 0x00FF, 0})     // slot 0 again: a blue brush
      .record(0x012D, {0})
      .record(0x041B, {200, 400, 100, 50})        // rectangle (50, 100)-(400, 200)
      .record(0x012D, {1})
      .record(0x001E, {})                         // save
      .record(0x020C, {500, 1000})
      .record(0x0127, {0xFFFF})                   // restore the last saved state
      .record(0x0418, {200, 400, 100, 50});       // ellipse in the same box
  std::optional<MetafileScene> scene = ReadMetafile(wmf.bytes());
  ASSERT_TRUE(scene);
  EXPECT_EQ(scene->width, 1000);
  EXPECT_EQ(scene->height, 500);
  ASSERT_EQ(scene->items.size(), 2u);
  const SceneShape& rect = ShapeAt(*scene, 0);
  EXPECT_EQ(rect.brush.rgb, 0x0000FFu);
  EXPECT_EQ(rect.pen.rgb, 0u);  // the pen was never selected: the black one-pixel pen
  EXPECT_EQ(rect.pen.width, 0.0);
  ASSERT_EQ(rect.path.points.size(), 5u);
  ExpectPoint(rect.path.points[0], 100, 200);
  ExpectPoint(rect.path.points[2], 800, 400);
  const SceneShape& ellipse = ShapeAt(*scene, 1);
  EXPECT_EQ(ellipse.brush.rgb, 0x00FF00u);
  ExpectPoint(ellipse.path.points[0], 800, 300);  // the restored window: still two units each
}

TEST(MetafileScene, EmfMapsThroughWorldTransformMapModeAndReferenceDevice) {
  // 4 reference pixels to the millimetre: one pixel is 25 hundredths of a millimetre.
  EmfBytes emf(10000, 5000, 1000, 250);
  emf.record(43, {10, 20, 30, 40})                     // rectangle in pixels
      .record(17, {3})                                 // 0.01 mm units, y upwards
      .record(27, {100, -200})
      .record(54, {300, -400})
      .record(17, {1});
  std::string world;
  for (float v : {2.0f, 0.0f, 0.0f, 2.0f, 10.0f, 0.0f}) world += test::Float32(v);
  emf.raw(35, world).record(43, {0, 0, 1, 1});
  emf.raw(36, std::string(24, '\0') + std::string("\x01\0\0\0", 4));  // back to identity
  emf.record(17, {8})                                  // anisotropic
      .record(9, {100, 100})
      .record(11, {200, -100})
      .record(12, {0, 100})
      .record(27, {50, 50})
      .record(54, {100, 100});
  std::optional<MetafileScene> scene = ReadMetafile(emf.bytes());
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->items.size(), 4u);
  ExpectPoint(ShapeAt(*scene, 0).path.points[0], 250, 500);
  ExpectPoint(ShapeAt(*scene, 0).path.points[2], 750, 1000);
  ExpectPoint(ShapeAt(*scene, 1).path.points[0], 100, 200);
  ExpectPoint(ShapeAt(*scene, 1).path.points[1], 300, 400);
  ExpectPoint(ShapeAt(*scene, 2).path.points[0], 250, 0);
  ExpectPoint(ShapeAt(*scene, 2).path.points[2], 300, 50);
  // Window (0, 0)-(100, 100) onto the viewport from (0, 100) 200 wide and 100 up.
  ExpectPoint(ShapeAt(*scene, 3).path.points[0], 100 * 25, 50 * 25);
  ExpectPoint(ShapeAt(*scene, 3).path.points[1], 200 * 25, 0);
}

size_t Cubics(const SceneShape& shape) {
  size_t n = 0;
  for (PathVerb v : shape.path.verbs) n += v == PathVerb::Cubic;
  return n;
}

TEST(MetafileScene, ArcsRunCounterClockwiseAsSeenUnlessToldOtherwise) {
  // A pie from the right of the circle to its top: a quarter turn through the top right.
  WmfBytes down(100, 100);
  down.record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
  // The same with the window turned upwards: the top of the circle is y = 100.
  WmfBytes up(100, 100);
  up.record(0x020B, {100, 0}).record(0x020C, {-100, 100});
  up.record(0x081A, {100, 50, 50, 100, 100, 100, 0, 0});
  for (const WmfBytes* wmf : {&down, &up}) {
    std::optional<MetafileScene> scene = ReadMetafile(wmf->bytes());
    ASSERT_TRUE(scene);
    ASSERT_EQ(scene->items.size(), 1u);
    const SceneShape& pie = ShapeAt(*scene, 0);
    EXPECT_EQ(Cubics(pie), 1u);
    ExpectPoint(pie.path.points[0], 50, 50);   // the centre
    ExpectPoint(pie.path.points[1], 100, 50);  // the start
    EXPECT_LT(pie.path.points[2].y, 50);       // leaving upwards
    EXPECT_NEAR(pie.path.points[4].x, 50, 1e-9);
    EXPECT_NEAR(pie.path.points[4].y, 0, 1e-9);
  }
  // Clockwise, the same ends take three quarters; the same radial twice is the whole ellipse.
  EmfBytes emf(1000, 1000);
  emf.record(57, {2}).record(45, {0, 0, 100, 100, 100, 50, 50, 0});
  emf.record(57, {1}).record(45, {0, 0, 100, 100, 100, 50, 100, 50});
  std::optional<MetafileScene> scene = ReadMetafile(emf.bytes());
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->items.size(), 2u);
  EXPECT_EQ(Cubics(ShapeAt(*scene, 0)), 3u);
  EXPECT_GT(ShapeAt(*scene, 0).path.points[1].y, 50 * 25);  // leaving downwards
  EXPECT_EQ(Cubics(ShapeAt(*scene, 1)), 4u);
  EXPECT_EQ(ShapeAt(*scene, 1).brush.style, FillStyle::None);  // an arc is not filled
}

TEST(MetafileScene, PathBracketsGatherOneFigureAndDrawItOnce) {
  EmfBytes emf(1000, 1000);
  std::string curve;
  for (long v : {0L, 0L, 0L, 0L, 3L}) Put32(curve, v);
  for (int v : {100, 50, 100, 100, 50, 100}) Put16(curve, v);
  emf.record(59, {})                   // begin
      .record(27, {0, 0})
      .record(54, {100, 0})            // drawn nowhere yet: only gathered
      .raw(88, curve)                  // on from (100, 0) to (50, 100)
      .record(55, {0, 0, 100, 200, 50, 100, 0, 100})  // and an arc on from there
      .record(61, {})                  // closed
      .record(60, {})                  // end
      .record(62, {0, 0, 0, 0});       // filled
  std::optional<MetafileScene> scene = ReadMetafile(emf.bytes());
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->items.size(), 1u);
  const SceneShape& figure = ShapeAt(*scene, 0);
  std::vector<PathVerb> verbs = figure.path.verbs;
  ASSERT_GE(verbs.size(), 5u);
  EXPECT_EQ(std::count(verbs.begin(), verbs.end(), PathVerb::Move), 1);  // one figure
  EXPECT_EQ(verbs[1], PathVerb::Line);
  EXPECT_EQ(verbs[2], PathVerb::Cubic);
  EXPECT_EQ(verbs[3], PathVerb::Line);  // the arc's lead-in from the curve's end
  EXPECT_EQ(verbs.back(), PathVerb::Close);
  EXPECT_EQ(figure.pen.style, LineStyle::None);  // filled, not outlined
  EXPECT_EQ(figure.brush.style, FillStyle::Solid);
}

TEST(MetafileScene, TextAndBitmapsKeepTheirBytes) {
  EmfBytes emf(1000, 1000);
  std::string font;
  Put32(font, 1);  // slot
  for (long v : {-20L, 0L, 900L, 0L, 700L}) Put32(font, v);
  font += std::string("\x01\0\0\x80", 4) + std::string(4, '\0');  // italic, Shift-JIS
  std::string face = std::string("A\0r\0i\0a\0l\0", 10);
  font += face + std::string(64 - face.size(), '\0');
  std::string text;
  for (long v : {0L, 0L, 0L, 0L, 1L}) Put32(text, v);  // bounds, graphics mode
  text += test::Float32(1) + test::Float32(1);
  for (long v : {10L, 20L, 2L, 76L, 0L, 0L, 0L, 0L, 0L, 0L}) Put32(text, v);
  text += std::string("\x57\x58\x8A\x30", 4);  // 塗り in UTF-16
  emf.raw(82, font).record(37, {1}).record(24, {0x0000FF}).raw(84, text);
  std::optional<MetafileScene> scene = ReadMetafile(emf.bytes());
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->items.size(), 1u);
  const auto& t = std::get<SceneText>(scene->items[0].what);
  EXPECT_TRUE(t.utf16);
  EXPECT_EQ(t.bytes, std::string("\x57\x58\x8A\x30", 4));
  EXPECT_EQ(t.face, face);
  EXPECT_NEAR(t.height, 20 * 25, 1e-9);
  EXPECT_NEAR(t.angle, 90, 1e-9);
  EXPECT_EQ(t.weight, 700);
  EXPECT_TRUE(t.italic);
  EXPECT_EQ(t.rgb, 0xFF0000u);
  ExpectPoint(t.origin, 250, 500);

  // A bitmap stretched into (10, 10)-(60, 30) of a WMF whose window is its frame.
  std::string params;
  Put32(params, 0x00CC0020L);  // copy
  for (int v : {0, 2, 2, 0, 0, 20, 50, 10, 10}) Put16(params, v);
  WmfBytes wmf(100, 100);
  wmf.raw(0x0F43, params + test::TinyDib());
  scene = ReadMetafile(wmf.bytes());
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->items.size(), 1u);
  const auto& image = std::get<SceneImage>(scene->items[0].what);
  ASSERT_EQ(image.bmp.size(), 14 + test::TinyDib().size());
  EXPECT_EQ(image.bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(image.bmp[10]), 54);  // the bits follow the header
  EXPECT_EQ(image.target.left, 10);
  EXPECT_EQ(image.target.bottom, 30);
  EXPECT_EQ(image.source.right, 2);
  EXPECT_EQ(image.blend, ImageBlend::Copy);
}

TEST(MetafileScene, DamagedFilesStopCleanly) {
  WmfBytes wmf(1000, 500);
  wmf.record(0x02FC, {0, 0x00FF, 0, 0}).record(0x012D, {0}).record(0x041B, {400, 900, 100, 100})
      .record(0x0324, {3, 0, 0, 100, 0, 100, 100}).record(0x0538, {2, 3, 3, 0, 0, 1, 1, 2, 0});
  EmfBytes emf(1000, 500);
  emf.record(39, {1, 0, 0xFF, 0}).record(37, {1}).record(43, {100, 100, 900, 400})
      .record(86, {0, 0, 0, 0, 3, 0x00000000, 0x00640064, 0x00000064});
  for (const std::string& file : {wmf.bytes(), emf.bytes()}) {
    ASSERT_TRUE(ReadMetafile(file));
    EXPECT_GE(ReadMetafile(file)->items.size(), 2u);
    // Cut anywhere, the file gives what its whole records draw, or nothing without its header.
    for (size_t n = 0; n < file.size(); ++n) {
      std::optional<MetafileScene> cut = ReadMetafile(file.substr(0, n));
      if (cut) EXPECT_LE(cut->items.size(), ReadMetafile(file)->items.size());
    }
    // Bytes changed at random never read outside the file (the sanitizer build checks).
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
      std::string bent = file;
      for (int k = 0; k < 4; ++k) bent[random() % bent.size()] = static_cast<char>(random());
      (void)ReadMetafile(bent);
    }
  }
  // Counts far beyond the record, a record of no length, a box of no size.
  WmfBytes liar(100, 100);
  liar.record(0x0324, {0xFFFF, 1, 2}).record(0x0538, {0xFFFF, 5});
  ASSERT_TRUE(ReadMetafile(liar.bytes()));
  EXPECT_TRUE(ReadMetafile(liar.bytes())->items.empty());
  std::string stuck = WmfBytes(100, 100).bytes();
  stuck.insert(stuck.size() - 6, std::string(6, '\0'));
  EXPECT_TRUE(ReadMetafile(stuck));
  EXPECT_FALSE(ReadMetafile(WmfBytes(0, 100).bytes()));
  EXPECT_FALSE(ReadMetafile(EmfBytes(100, -5).bytes()));
  std::string farLeft = EmfBytes(100, 100).bytes();  // a frame wider than 32 bits can count
  farLeft.replace(24, 4, std::string("\0\0\0\x80", 4));
  ASSERT_TRUE(ReadMetafile(farLeft));
  EXPECT_EQ(ReadMetafile(farLeft)->width, 100 + 2147483648.0);
  EXPECT_FALSE(ReadMetafile("not a metafile"));
}

}  // namespace
}  // namespace zf61
