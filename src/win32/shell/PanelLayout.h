// Where each control of the side panel goes in the Win32 window: rows from the panel's
// description, each as tall as its kind, controls side by side by their shares of the width.
#pragma once

#include <array>

#include "window/SidePanel.h"

namespace zf61::win32 {

struct PanelPlace {
  int x = 0, y = 0, width = 0, height = 0;
};

struct PanelGeometry {
  std::array<PanelPlace, kPanelControlCount> places;
  std::array<PanelPlace, std::size(kBackgroundItems)> radios;  // inside RadioGroup1
  int contentHeight = 0;                                       // the whole panel, unscrolled
};

// The places in a panel whose client area is `width` x `height` pixels, before scrolling.
PanelGeometry LayOutPanel(int width, int height);

}  // namespace zf61::win32
