#include "platform/GuiApplication.h"

#include <QGuiApplication>

namespace zf61 {

void EnsureGuiApplication(const char* name) {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(name), nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace zf61
