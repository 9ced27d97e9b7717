// XQueryKeymap-based Esc poll.
#include "platform/X11EscKey.h"

#include <QGuiApplication>

#if defined(ZF61_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace zf61 {
namespace {

#if defined(ZF61_HAVE_X11)
class X11EscKey final : public EscKey {
 public:
  explicit X11EscKey(Display* display)
      : display_(display), keycode_(XKeysymToKeycode(display, XK_Escape)) {}

  bool EscPressed() override {
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    return (keys[keycode_ / 8] >> (keycode_ % 8)) & 1;
  }

 private:
  Display* display_;
  unsigned keycode_;
};
#endif

}  // namespace

std::unique_ptr<EscKey> MakePlatformEscKey() {
#if defined(ZF61_HAVE_X11)
  if (auto* x11 =
          qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
    if (Display* display = x11->display()) return std::make_unique<X11EscKey>(display);
  }
#endif
  return std::make_unique<NoEscKey>();
}

}  // namespace zf61
