// Absurd geometry through the whole pipeline: read, extents, fit, draw, trace, fill, generate,
// hand back. Everything finishes, the view stays usable, and (under the sanitizer build) no
// undefined behaviour happens on the way.
#include <gtest/gtest.h>

#include <string>

#include "exchange/ExchangeReader.h"
#include "output/PictureGenerator.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "support/TempDir.h"
#include "view/CanvasPrimitives.h"
#include "view/Stroking.h"
#include "view/ViewNavigator.h"
#include "window/ControlChecks.h"

namespace zf61 {
namespace {

const char* const kExtremeLines[] = {
    "hs 1e-300 1e300 0.5 1 1 1 1 1 1 1 1 1 1 1 1 1",
    "1e300 1e300 -1e300 -1e300",
    "-1e300 1e-300 1e-300 -1e300",
    "0 0 0 0",
    "ci 0 0 1e300",
    "ci 1e-300 0 1e-300 0 360 1 0",
    "ci 0 0 10 1e300 -1e300 0 1e300",
    "ci 0 0 10 0 90 0 0",
    "ci 0 0 10 0 90 1e6 0",
    "ci 5 5 1e8 0 359.9 1e6 45",
    "lg1",
    "lt5",
    "1e300 0 0 1e300",
    "ci 1 1 1e-300",
    "lg2",
    "lt11",
    "0 0 1e300 1e300",
    "1e300 1e300 0 0",
    "lc10 255",
    "sl 1e300 1e300 -1e300 1e300 0 -1e300",
    "sl 0 0 1e300 0 1e300 1e300 0 1e300",
    "sc 0 0 1e300 1 0 0 1e300 5",
    "so 0 0 1e300 1e6 1e300 -1e300 1e300 1e300",
    "se 0 0 1e-300 0 0 0 6.28 100",
    "ch 0 0 1 0 \"^@BMx.bmp,1e300,-1e300,1e300,-1e300,1e-300",
    "ch 1e300 1e300 1 0 \"^@BMy.bmp,1e-300",
};

TEST(ExtremeGeometry, ThroughTheWholePipeline) {
  for (int size : {0, 1, 64}) {
    test::TempDir dir;
    DrawingStore store;
    ExchangeReader reader(store);
    for (const char* line : kExtremeLines) reader.parseLine(line);
    TgraAttribute att;
    QtCanvas canvas(size, size);
    ViewNavigator nav(
        store,
        [size] {
          return PaintBoxSize{size, size};
        },
        nullptr);
    nav.FitAll();
    ASSERT_TRUE(IsUsableView(nav.view())) << size;
    QtPictureSource pictures;
    NoEscKey esc;
    EntityRenderer renderer(store, pictures, esc);
    for (int zoom = 0; zoom < 200; ++zoom) nav.ZoomAt(size / 2.0, size / 3.0, 1.5);
    ASSERT_TRUE(IsUsableView(nav.view()));
    DrawContext ctx(canvas, nav.view(), att);
    ClearCanvas(canvas, att, canvas.width(), canvas.height());
    renderer.DrawAll(ctx);
    nav.FitAll();
    RegionTracer tracer(store, att);
    PictureGenerator generator(att, nav.view(), tracer, renderer);
    PictureControls controls;
    controls.edit1 = (dir / "p.bmp").string();
    controls.edit3 = "3600";
    GenerationResult result = GeneratePicture(generator, controls, "", canvas, dir / "t.BMP", "");
    EXPECT_EQ(result.outcome, GenerationOutcome::Generated);
    handBackPicture(store, dir / "p.bmp", "p.bmp", dir / "t.BMP", result.placement);
    // A paint box of no size makes a picture of no width, which is not handed back.
    EXPECT_EQ(store.outputLines.empty(), size == 0) << size;
  }
}

TEST(ExtremeGeometry, AHugeCircleAtHighZoomCostsOnlyItsVisibleChords) {
  QtCanvas canvas(64, 48);
  TgraAttribute att;
  ViewWindow view;
  view.Scale = 1000.0;
  view.PixelWidth = 64, view.PixelHeight = 48;
  view.SetRectangle(1e8, 0.0);  // on the circle's rightmost point
  DrawContext ctx(canvas, view, att);
  canvas.setPen(kBlack, 1);
  StrokeEllipseArc(ctx, 0, 2, kTwoPi, 0, 0, 1, 1e8, 0, 0);  // radius 1e8, dashed
  RasterImage pixels = canvas.readPixels();
  int drawn = 0;
  for (uint32_t p : pixels.pixels) drawn += p != 0xFFFFFFFFu;
  EXPECT_GT(drawn, 0);  // the arc crosses the view as a nearly vertical dashed line
  EXPECT_LT(drawn, 64 * 48);
}

}  // namespace
}  // namespace zf61
