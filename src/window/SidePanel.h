// The side panel Panel2 described once: every control with its kind, caption, items, row and
// share of its row's width. Both front-ends make and lay out the panel from this table alone,
// so that a control added here appears in both.
#pragma once

#include <span>

#include "window/Captions.h"
#include "window/ControlDefaults.h"
#include "window/FormFrontEnd.h"

namespace zf61 {

enum class PanelControl : int {
  RadioGroup1,
  Button4,
  Label1,
  Label3,
  Edit2,
  Button5,
  Edit1,
  Label2,
  Label5,
  ComboBox1,
  Label8,
  ComboBox3,
  Label4,
  Edit3,
  Label6,
  ComboBox2,
  Label7,
  Edit4,
  Button3,
  Button6,
  Button7,
  Label9,
  ComboBox4,
  CheckBox1,
  Memo1,
  Button1,
  Button2,
  Count
};
inline constexpr int kPanelControlCount = static_cast<int>(PanelControl::Count);

enum class PanelKind {
  Radios,     // a framed group of radio buttons, one per item
  Button,     // a push button
  Swatch,     // a framed patch of the fill colour
  Caption,    // a caption before the control right of it
  Edit,       // a one-line text field, holding its caption at first
  PathLabel,  // a text of up to two lines (a path)
  DropDown,   // a list to choose one item from
  CheckBox,   // a box ticked or not, with its caption
  Notes,      // the read-only notes, scrolled both ways
};

// How tall a row is: a framed group, a line of controls, two lines of text, or what is left
// (the notes).
enum class RowKind { Group, Line, TwoLines, Rest };

struct PanelItem {
  PanelControl control;
  PanelKind kind;
  const char* caption;                 // "" for none
  std::span<const char* const> items;  // the radios' or the list's items
  int initialItem;
  int row;
  int share;  // of the row's width, after the captions; 0 for a caption of fixed width
};

// The width of a caption before its control, in pixels.
inline constexpr int kCaptionWidth = 74;

inline constexpr RowKind kPanelRows[] = {
    RowKind::Group, RowKind::Line, RowKind::Line, RowKind::Line, RowKind::Line, RowKind::TwoLines,
    RowKind::Line,  RowKind::Line, RowKind::Line, RowKind::Line, RowKind::Line, RowKind::Line,
    RowKind::Line,  RowKind::Line, RowKind::Line, RowKind::Rest, RowKind::Line};

inline constexpr PanelItem kPanelItems[] = {
    {PanelControl::RadioGroup1, PanelKind::Radios, kCaptionRadioGroup1, kBackgroundItems, 0, 0, 1},
    {PanelControl::Button4, PanelKind::Button, kCaptionButton4, {}, 0, 1, 2},
    {PanelControl::Label1, PanelKind::Swatch, "", {}, 0, 1, 3},
    {PanelControl::Label3, PanelKind::Caption, kCaptionLabel3, {}, 0, 2, 0},
    {PanelControl::Edit2, PanelKind::Edit, kDefaultOpacityText, {}, 0, 2, 1},
    {PanelControl::Button5, PanelKind::Button, kCaptionButton5, {}, 0, 3, 1},
    {PanelControl::Edit1, PanelKind::Edit, "", {}, 0, 4, 1},
    {PanelControl::Label2, PanelKind::PathLabel, "", {}, 0, 5, 1},
    {PanelControl::Label5, PanelKind::Caption, kCaptionLabel5, {}, 0, 6, 0},
    {PanelControl::ComboBox1, PanelKind::DropDown, "", kDepthItems, kInitialDepthItem, 6, 1},
    {PanelControl::Label8, PanelKind::Caption, kCaptionLabel8, {}, 0, 7, 0},
    {PanelControl::ComboBox3, PanelKind::DropDown, "", kMagnificationItems, 0, 7, 1},
    {PanelControl::Label4, PanelKind::Caption, kCaptionLabel4, {}, 0, 8, 0},
    {PanelControl::Edit3, PanelKind::Edit, kDefaultArcDivisionsText, {}, 0, 8, 1},
    {PanelControl::Label6, PanelKind::Caption, kCaptionLabel6, {}, 0, 9, 0},
    {PanelControl::ComboBox2, PanelKind::DropDown, "", kMethodItems, 0, 9, 1},
    {PanelControl::Label7, PanelKind::Caption, kCaptionLabel7, {}, 0, 10, 0},
    {PanelControl::Edit4, PanelKind::Edit, kDefaultGapText, {}, 0, 10, 1},
    {PanelControl::Button3, PanelKind::Button, kCaptionButton3, {}, 0, 11, 3},
    {PanelControl::Button6, PanelKind::Button, kCaptionButton6, {}, 0, 11, 2},
    {PanelControl::Button7, PanelKind::Button, kCaptionButton7, {}, 0, 12, 1},
    {PanelControl::Label9, PanelKind::Caption, kCaptionLabel9, {}, 0, 13, 0},
    {PanelControl::ComboBox4, PanelKind::DropDown, "", kHandBackItems, 0, 13, 1},
    {PanelControl::CheckBox1, PanelKind::CheckBox, kCaptionCheckBox1, {}, 0, 14, 1},
    {PanelControl::Memo1, PanelKind::Notes, "", {}, 0, 15, 1},
    {PanelControl::Button1, PanelKind::Button, kCaptionButton1, {}, 0, 16, 1},
    {PanelControl::Button2, PanelKind::Button, kCaptionButton2, {}, 0, 16, 1},
};

static_assert(std::size(kPanelItems) == kPanelControlCount, "every control once");
static_assert(std::size(kMagnificationItems) == kMagnificationCount);

constexpr const PanelItem& PanelItemOf(PanelControl control) {
  return kPanelItems[static_cast<int>(control)];
}

// Whether a control of this kind takes Enter and Delete itself when it has the focus: text is
// typed and edited in fields, lists are opened and chosen from. (Buttons take Space, not Enter,
// in both windows.)
constexpr bool TakesKeys(PanelKind kind) {
  return kind == PanelKind::Edit || kind == PanelKind::DropDown;
}

// The panel's control behind each control the window's behaviour names.
constexpr PanelControl PanelControlOf(TextControl control) {
  switch (control) {
    case TextControl::Edit1:
      return PanelControl::Edit1;
    case TextControl::Edit2:
      return PanelControl::Edit2;
    case TextControl::Edit3:
      return PanelControl::Edit3;
    case TextControl::Edit4:
      return PanelControl::Edit4;
    case TextControl::Label2:
      return PanelControl::Label2;
    default:
      return PanelControl::Count;  // the status line is not on the panel
  }
}
constexpr PanelControl PanelControlOf(ChoiceControl control) {
  switch (control) {
    case ChoiceControl::RadioGroup1:
      return PanelControl::RadioGroup1;
    case ChoiceControl::ComboBox1:
      return PanelControl::ComboBox1;
    case ChoiceControl::ComboBox2:
      return PanelControl::ComboBox2;
    case ChoiceControl::ComboBox3:
      return PanelControl::ComboBox3;
    case ChoiceControl::ComboBox4:
      return PanelControl::ComboBox4;
    default:
      return PanelControl::CheckBox1;
  }
}
constexpr PanelControl PanelControlOf(ButtonControl button) {
  constexpr PanelControl kButtons[] = {
      PanelControl::Button1, PanelControl::Button2, PanelControl::Button3, PanelControl::Button4,
      PanelControl::Button5, PanelControl::Button6, PanelControl::Button7};
  return kButtons[static_cast<int>(button)];
}
// The button a panel control is, if it is one.
constexpr bool ButtonOf(PanelControl control, ButtonControl& button) {
  for (int b = 0; b < 7; ++b) {
    if (PanelControlOf(static_cast<ButtonControl>(b)) == control) {
      button = static_cast<ButtonControl>(b);
      return true;
    }
  }
  return false;
}

}  // namespace zf61
