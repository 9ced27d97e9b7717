// The real dialogs.
#include "shell/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace zf61 {

std::optional<QColor> QtDialogs::chooseColour(QWidget* parent, const QColor& initial) {
  QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::choosePictureFile(QWidget* parent, const QString& folder,
                                                    const QString& name) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);  // the folder must exist; the file need not
  dialog.setNameFilter(QString::fromUtf8("ビットマップ (*.bmp)"));
  dialog.setDefaultSuffix("bmp");
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!folder.isEmpty() && QDir(folder).exists()) dialog.setDirectory(folder);
  dialog.selectFile(name);
  // Qt asks before overwriting an existing file in save mode.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

void QtDialogs::showMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
}

}  // namespace zf61
