// zf61: started by Jw_cad as an external transformation; reads JWC_TEMP.TXT from its own
// folder and writes it back when its window closes. It takes no command line.
#include <QApplication>
#include <QFont>

#include "files/FileOps.h"
#include "platform/Cp932.h"
#include "platform/QtPictureSource.h"
#include "platform/QtTextCodec.h"
#include "platform/X11EscKey.h"
#include "rooms/CgalRoomFinder.h"
#include "shell/MainWindow.h"
#include "shell/Translations.h"
#include "solids/CgalAreaSplitter.h"
#include "window/Captions.h"
#include "window/Clock.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zf61::kApplicationTitle));
  zf61::InstallJapaneseTranslations(app);
  // The window's font; where it is not installed, an installed Japanese gothic stands in.
  const QString gothic = QString::fromUtf8(zf61::kFontFace);
  QFont::insertSubstitutions(gothic, {QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("IPAGothic"), QStringLiteral("TakaoGothic")});
  QFont font(gothic);
  font.setPixelSize(zf61::kFontPixels);
  QApplication::setFont(font);
  std::filesystem::path program = zf61::QStringToPath(QApplication::applicationFilePath());
  std::unique_ptr<zf61::EscKey> esc = zf61::MakePlatformEscKey();
  zf61::QtPictureSource pictures;
  zf61::QtTextCodec codec;
  zf61::SteadyClock clock;
  zf61::CgalRoomFinder rooms;
  zf61::CgalAreaSplitter splitter;
  zf61::MainWindow window(program, {*esc, pictures, codec, zf61::SystemFileOps(),
                                    zf61::StandardDepthConverter(), clock, &rooms, &splitter});
  window.show();
  return QApplication::exec();
}
