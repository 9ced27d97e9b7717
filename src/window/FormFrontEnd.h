// What the window's behaviour asks of the toolkit that shows it: the texts and choices of the
// controls, the dialogs, the drawing area's canvas and its repaint, the window's place on the
// screen, and closing. Each front-end (Qt widgets, Win32 windows) implements it thinly; the
// rules of the window live in TForm1 alone.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/Colour.h"
#include "view/Canvas.h"

namespace zf61 {

// Controls that hold a text (UTF-8 on this interface).
enum class TextControl {
  Edit1,    // picture file name
  Edit2,    // opacity
  Edit3,    // arc division count
  Edit4,    // the gap that rooms close
  Label2,   // the target of the last generated picture
  LabelA1,  // the status line
};

// Controls that select one item of a list.
enum class ChoiceControl {
  RadioGroup1,  // background: 0 white, 1 black
  ComboBox1,    // colour depth
  ComboBox2,    // the way of filling: 0 closed figures, 1 rooms
  ComboBox3,    // the picture's magnification: item i is i + 1 times the drawing area
  ComboBox4,    // how the fill goes back: 0 the picture, 1 solids
  CheckBox1,    // rooms' areas written in with the solids: 0 no, 1 yes
};

enum class ButtonControl { Button1, Button2, Button3, Button4, Button5, Button6, Button7 };

// The window's place: its outer rectangle (frame and title bar included) as it is when neither
// maximised nor minimised, in screen pixels. The 475 x 200 minimum applies to it.
struct WindowGeometry {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

class FormFrontEnd {
 public:
  virtual ~FormFrontEnd() = default;

  virtual std::string text(TextControl control) const = 0;
  virtual void setText(TextControl control, std::string_view utf8) = 0;
  virtual int selectedItem(ChoiceControl control) const = 0;
  virtual void selectItem(ChoiceControl control, int item) = 0;
  virtual void setSwatchColour(Colour colour) = 0;  // Label1
  virtual void setButtonEnabled(ButtonControl button, bool enabled) = 0;

  // Modal: a message with the application title; the system colour dialog preset to `initial`;
  // the save-picture dialog starting in `folder` with `name` (the chosen full path).
  virtual void showMessage(std::string_view utf8) = 0;
  virtual std::optional<Colour> chooseColour(Colour initial) = 0;
  virtual std::optional<std::string> choosePictureFile(std::string_view folder,
                                                       std::string_view name) = 0;

  // A canvas the size of the drawing area, on which the window draws and which the drawing
  // area shows.
  virtual std::unique_ptr<Canvas> createCanvas(int32_t width, int32_t height) = 0;
  // Shows the canvas as it is now, at once.
  virtual void presentCanvas() = 0;
  // Shows the status line's new text at once, in the middle of a long task. Runs no other
  // event: nothing queued acts in the middle of the task.
  virtual void presentStatus() = 0;

  virtual WindowGeometry windowPlace() const = 0;
  virtual void placeWindow(const WindowGeometry& place) = 0;
  virtual void focusNotes() = 0;  // Memo1 takes the keyboard focus
  // Where the pointer is now, in drawing-area pixels; none when it is outside the drawing area.
  virtual std::optional<PixelPoint> pointerInDrawingArea() const = 0;
  // Whether the keyboard focus is on a control that takes Enter and Delete itself: a text
  // field or a list.
  virtual bool controlTakesKeys() const = 0;
  // A busy pointer over the window while a long task runs.
  virtual void setBusy(bool busy) = 0;
  // Throws away the clicks and keys that arrived while a long task ran, so that none of them
  // acts after it. Runs no other event: a close or a repaint queued meanwhile runs after the
  // task has ended.
  virtual void discardPendingInput() = 0;
  virtual void closeWindow() = 0;
};

}  // namespace zf61
