// Qt's own Japanese texts, so that the standard dialogs (colour, save, the overwrite question,
// message-box buttons) read Japanese whatever the machine's locale is.
#pragma once

class QCoreApplication;

namespace zf61 {

// Loads Qt's Japanese translations (Debian's qt6-translations-l10n) into the application;
// false when they are not installed, and the dialogs then stay in Qt's English.
bool InstallJapaneseTranslations(QCoreApplication& app);

}  // namespace zf61
