// A TForm1 on a temporary program folder with a real JWC_TEMP.TXT, and dialogs that answer
// without a modal loop.
#pragma once

#include <QApplication>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "shell/Unit1.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace zf61::test {

class FakeDialogs final : public Dialogs {
 public:
  std::optional<QColor> colour;
  std::optional<QString> file;
  std::vector<QString> messages;
  QString askedFolder, askedName;

  std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
  std::optional<QString> choosePictureFile(QWidget*, const QString& folder,
                                           const QString& name) override {
    askedFolder = folder;
    askedName = name;
    return file;
  }
  void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
};

struct FormFixture {
  TempDir dir;
  FakeDialogs* dialogs = nullptr;
  FaultyFileOps files;
  std::unique_ptr<TForm1> form;

  explicit FormFixture(const std::string& exchange) {
    if (!exchange.empty()) WriteBytes(dir / "JWC_TEMP.TXT", exchange);
  }
  void start(bool show = true) {
    auto fake = std::make_unique<FakeDialogs>();
    dialogs = fake.get();
    form = std::make_unique<TForm1>(dir / "zf61", std::move(fake), std::make_unique<NoEscKey>(),
                                    files);
    if (show) {
      form->show();
      QApplication::processEvents();
    }
  }
  std::string exchangeFile() const { return ReadBytes(dir / "JWC_TEMP.TXT"); }
};

}  // namespace zf61::test
