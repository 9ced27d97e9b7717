// zf61: started by Jw_cad as an external transformation; reads JWC_TEMP.TXT from its own
// folder and writes it back when its window closes. It takes no command line.
#include <QApplication>
#include <QFont>

#include "platform/Cp932.h"
#include "platform/X11EscKey.h"
#include "shell/Unit1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("zf61_塗り"));
  // The window's font; where it is not installed, an installed Japanese gothic stands in.
  const QString gothic = QString::fromUtf8("ＭＳ ゴシック");
  QFont::insertSubstitutions(gothic, {QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("IPAGothic"), QStringLiteral("TakaoGothic")});
  QFont font(gothic);
  font.setPixelSize(13);
  QApplication::setFont(font);
  std::filesystem::path program = zf61::QStringToPath(QApplication::applicationFilePath());
  zf61::TForm1 form(program, std::make_unique<zf61::QtDialogs>(), zf61::MakePlatformEscKey());
  form.show();
  return QApplication::exec();
}
