// The real dialogs.
#include "shell/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/QtCanvas.h"
#include "window/Captions.h"

namespace zf61 {
namespace {

// A save dialog that accepts a name only in an existing folder, as the system's own dialog does
// when it is asked to require an existing path.
class PictureFileDialog final : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    QStringList files = selectedFiles();
    if (!files.isEmpty() && !QFileInfo(files.first()).absoluteDir().exists()) {
      QMessageBox::warning(this, windowTitle(), QString::fromUtf8(kMessageFolderMissing));
      return;
    }
    QFileDialog::accept();
  }
};

}  // namespace

std::optional<Colour> RunColourDialog(QWidget* parent, Colour initial) {
  QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
  if (!chosen.isValid()) return std::nullopt;
  return MakeColour(chosen.red(), chosen.green(), chosen.blue());
}

std::unique_ptr<QFileDialog> MakePictureFileDialog(QWidget* parent, const QString& folder,
                                                   const QString& name) {
  std::unique_ptr<QFileDialog> dialog = std::make_unique<PictureFileDialog>(parent);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);  // the folder must exist; the file need not
  QString filter = QString::fromUtf8(kPictureFilter);
  dialog->setNameFilter(filter.left(filter.indexOf('|')));
  dialog->setOption(QFileDialog::ReadOnly, false);
  if (!folder.isEmpty() && QDir(folder).exists()) dialog->setDirectory(folder);
  dialog->selectFile(name);
  return dialog;
}

std::optional<QString> RunPictureFileDialog(QFileDialog& dialog) {
  // Qt asks before overwriting an existing file in save mode.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
}

}  // namespace zf61
