// A front-end without a toolkit: controls are fields, dialogs answer from prepared values, and
// the drawing area is a MemoryCanvas. Plus the services a window needs, and a TForm1 on a
// temporary program folder with a real JWC_TEMP.TXT.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rooms/CgalRoomFinder.h"
#include "solids/CgalAreaSplitter.h"
#include "support/FaultyFileOps.h"
#include "support/MemoryCanvas.h"
#include "support/TempDir.h"
#include "window/TForm1.h"

namespace zf61::test {

// ASCII as it is, and the few Japanese characters the tests use; any other character becomes
// "?", as code page 932 writes a character it cannot hold.
class FakeCodec final : public TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override {
    return Replace(bytes, kPairs, 0, 1);
  }
  std::string utf8ToCp932(std::string_view utf8) const override {
    std::string known = Replace(utf8, kPairs, 1, 0), out;
    for (size_t i = 0; i < known.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(known[i]);
      bool pair = c == 0x90 || c == 0x93;  // the lead bytes of the table's characters
      if (pair && i + 1 < known.size()) {
        out += known.substr(i++, 2);
      } else if (c < 0x80) {
        out += known[i];
      } else if (c >= 0xC0) {
        out += '?';  // a character of UTF-8 outside the table: its following bytes are dropped
      }
    }
    return out;
  }

 private:
  static constexpr const char* kPairs[][2] = {{"図", "\x90\x7d"}, {"塗", "\x93\x68"}};
  template <typename Pairs>
  static std::string Replace(std::string_view text, const Pairs& pairs, int to, int from) {
    std::string out(text);
    for (const auto& pair : pairs) {
      std::string a = pair[from], b = pair[to];
      for (size_t at = out.find(a); at != std::string::npos; at = out.find(a, at + b.size()))
        out.replace(at, a.size(), b);
    }
    return out;
  }
};

class NoPictures final : public PictureSource {
 public:
  bool exists(std::string_view) override { return false; }
  std::optional<Picture> load(std::string_view) override { return std::nullopt; }
};

// Time that moves on by `step` seconds at every reading.
class FakeClock final : public Clock {
 public:
  mutable double now = 0.0;
  double step = 0.0;
  double seconds() const override {
    double t = now;
    now += step;
    return t;
  }
};

// Escape is held down from the `pressAt`-th poll on (the first poll is 1; 0: never).
class FakeEscKey final : public EscKey {
 public:
  int pressAt = 0;
  int polls = 0;
  bool EscPressed() override { return pressAt > 0 && ++polls >= pressAt; }
};

class FakeFrontEnd final : public FormFrontEnd {
 public:
  std::map<TextControl, std::string> texts;
  std::map<ChoiceControl, int> choices;
  std::map<ButtonControl, bool> enabled;
  Colour swatch = 0;
  std::vector<std::string> messages;
  std::vector<std::string> statuses;  // the status line each time it was shown at once
  std::optional<Colour> colourAnswer;
  std::optional<std::string> fileAnswer;
  std::string askedFolder, askedName;
  WindowGeometry windowGeometry;
  MemoryCanvas* canvas = nullptr;
  int presented = 0, statusShown = 0, notesFocused = 0, inputDiscarded = 0;
  bool busy = false, closed = false;
  std::optional<PixelPoint> pointer;  // where the pointer is over the drawing area, if it is
  bool controlHasKeys = false;        // a field or a list has the focus
  // Called whenever the status line is shown, to look at the window mid-task.
  std::function<void()> onStatus;

  std::string text(TextControl c) const override {
    auto it = texts.find(c);
    return it == texts.end() ? "" : it->second;
  }
  void setText(TextControl c, std::string_view utf8) override { texts[c] = std::string(utf8); }
  int selectedItem(ChoiceControl c) const override {
    auto it = choices.find(c);
    return it == choices.end() ? 0 : it->second;
  }
  void selectItem(ChoiceControl c, int item) override { choices[c] = item; }
  void setSwatchColour(Colour colour) override { swatch = colour; }
  void setButtonEnabled(ButtonControl b, bool on) override { enabled[b] = on; }
  void showMessage(std::string_view utf8) override { messages.emplace_back(utf8); }
  std::optional<Colour> chooseColour(Colour) override { return colourAnswer; }
  std::optional<std::string> choosePictureFile(std::string_view folder,
                                               std::string_view name) override {
    askedFolder = folder, askedName = name;
    return fileAnswer;
  }
  std::unique_ptr<Canvas> createCanvas(int32_t w, int32_t h) override {
    auto made = std::make_unique<MemoryCanvas>(w, h);
    canvas = made.get();
    return made;
  }
  void presentCanvas() override { ++presented; }
  void presentStatus() override {
    ++statusShown;
    statuses.push_back(text(TextControl::LabelA1));
    if (onStatus) onStatus();
  }
  WindowGeometry windowPlace() const override { return windowGeometry; }
  void placeWindow(const WindowGeometry& g) override { windowGeometry = g; }
  void focusNotes() override { ++notesFocused; }
  std::optional<PixelPoint> pointerInDrawingArea() const override { return pointer; }
  bool controlTakesKeys() const override { return controlHasKeys; }
  void setBusy(bool on) override { busy = on; }
  void discardPendingInput() override { ++inputDiscarded; }
  void closeWindow() override {
    closed = true;
    if (onClose) onClose();  // the toolkit's close event
  }
  std::function<void()> onClose;
};

// A TForm1 on a temporary program folder, shown with a drawing area of 400 x 300 pixels.
struct FormFixture {
  TempDir dir;
  FakeFrontEnd frontEnd;
  FaultyFileOps files;
  NoEscKey esc;
  NoPictures pictures;
  FakeCodec codec;
  FakeClock clock;
  CgalRoomFinder rooms;
  CgalAreaSplitter splitter;
  std::unique_ptr<TForm1> form;

  explicit FormFixture(const std::string& exchange) {
    if (!exchange.empty()) WriteBytes(dir / "JWC_TEMP.TXT", exchange);
  }
  void start(EscKey* escKey = nullptr) {
    FormServices services{escKey ? *escKey : esc,   pictures, codec,  files,
                          StandardDepthConverter(), clock,    &rooms, &splitter};
    form = std::make_unique<TForm1>(dir / "zf61", frontEnd, services);
    frontEnd.onClose = [this] { form->FormClose(); };
    form->PaintBox1Resized(400, 300);
    form->FormShow();
    form->PaintBox1Paint();  // the first paint fits and draws
  }
  // Closes as the front-end does when TForm1 asked it to, or when the user closes the window.
  void close() { form->FormClose(); }
  std::string exchangeFile() const { return ReadBytes(dir / "JWC_TEMP.TXT"); }
  std::string& text(TextControl c) { return frontEnd.texts[c]; }
};

}  // namespace zf61::test
