// The Qt dialogs of the window: the colour dialog, the save-picture dialog and the message box.
// The save dialog is built apart from running it, so that its options can be checked.
#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "model/Colour.h"

class QFileDialog;
class QWidget;

namespace zf61 {

std::optional<Colour> RunColourDialog(QWidget* parent, Colour initial);
// A save dialog for BMP files starting in `folder` with `name`.
std::unique_ptr<QFileDialog> MakePictureFileDialog(QWidget* parent, const QString& folder,
                                                   const QString& name);
// The chosen full path with the system's separators.
std::optional<QString> RunPictureFileDialog(QFileDialog& dialog);
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace zf61
