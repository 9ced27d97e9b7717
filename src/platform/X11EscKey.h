// The Esc poll on X11: asks the X server for the keyboard state with XQueryKeymap on the
// application's own display connection, without processing any event.
#pragma once

#include <memory>

#include "model/EscKey.h"

namespace zf61 {

// An Esc poll for this platform: X11 when the application runs on an X display, else one that
// never reports Esc.
std::unique_ptr<EscKey> MakePlatformEscKey();

}  // namespace zf61
