#include "inspect/Solids.h"

#include <cstdio>
#include <filesystem>

#include "exchange/ExchangeWriter.h"
#include "output/SolidHandBack.h"
#include "platform/QtTextCodec.h"
#include "solids/CgalAreaSplitter.h"
#include "window/ControlChecks.h"

namespace zf61 {

bool WriteSolidsFile(DrawingStore& store, const char* path, const FillOptions& options) {
  TgraAttribute att;
  PictureControls controls = ControlsOf(options);
  controls.handBackIndex = static_cast<int>(HandBackKind::Solids);
  QtTextCodec codec;
  GenerationRequest request = CheckControls(controls, "", "", &codec);
  FillPlan plan;
  if (!MakePlan(store, att, options, request, plan)) return false;
  CgalAreaSplitter splitter;
  SolidHandBackResult result =
      HandBackSolids(store, plan, splitter, RealScale::OfDrawing(store, att, request.divisions),
                     options.labels ? AreaLabeller(AreaLabel) : AreaLabeller(), codec);
  if (!result.split) {
    std::fprintf(stderr, "zf61-inspect: the painted area could not be split into solids\n");
    return false;
  }
  if (!writeExchangeFile(store, std::filesystem::path(path))) {
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", path);
    return false;
  }
  return true;
}

}  // namespace zf61
