// The modal dialogs of the window behind an interface, so tests answer them without a loop.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace zf61 {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
  // A save dialog for BMP files starting in `folder` with `name`; the chosen full path.
  virtual std::optional<QString> choosePictureFile(QWidget* parent, const QString& folder,
                                                   const QString& name) = 0;
  virtual void showMessage(QWidget* parent, const QString& text) = 0;
};

// QColorDialog, QFileDialog and QMessageBox.
class QtDialogs final : public Dialogs {
 public:
  std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
  std::optional<QString> choosePictureFile(QWidget* parent, const QString& folder,
                                           const QString& name) override;
  void showMessage(QWidget* parent, const QString& text) override;
};

}  // namespace zf61
