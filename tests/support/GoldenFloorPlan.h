// The golden floor plan (tests/data/golden) drawn as the window draws it, fitted to a canvas,
// so that every platform's canvas can be compared with the one golden image.
#pragma once

#include <filesystem>

#include "exchange/ExchangeReader.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

namespace zf61::test {

inline const std::filesystem::path kGoldenDir =
    std::filesystem::path(ZF61_TEST_DATA_DIR) / "golden";
// Where a test leaves images for a person to look at: under the build folder, never the sources.
inline const std::filesystem::path kTestOutputDir = ZF61_TEST_OUTPUT_DIR;
inline constexpr int kGoldenWidth = 480;
inline constexpr int kGoldenHeight = 360;

// Draws the floor plan on `canvas` (kGoldenWidth x kGoldenHeight); false when it cannot be read.
inline bool DrawGoldenFloorPlan(Canvas& canvas, PictureSource& pictures) {
  DrawingStore store;
  ExchangeReader reader(store);
  if (!reader.readExchangeFile(kGoldenDir / "JWC_TEMP.TXT")) return false;
  TgraAttribute att;
  ViewNavigator nav(
      store,
      [] {
        return PaintBoxSize{kGoldenWidth, kGoldenHeight};
      },
      nullptr);
  nav.FitWithoutRedraw();
  DrawContext ctx(canvas, nav.view(), att);
  ClearCanvas(canvas, att, kGoldenWidth, kGoldenHeight);
  // Picture names in the drawing are relative to the current folder, as Jw_cad writes them.
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(kGoldenDir);
  NoEscKey esc;
  EntityRenderer(store, pictures, esc).DrawAll(ctx);
  std::filesystem::current_path(previous);
  return true;
}

}  // namespace zf61::test
