#include "shell/PanelLayout.h"

#include <algorithm>

namespace zf61::win32 {
namespace {

constexpr int kMargin = 4;
constexpr int kGap = 4;
constexpr int kMemoMinimumHeight = 80;
// Rows by kind; a control stands in its row this high (a drop-down list's height is that of its
// opened list).
constexpr int kGroupHeight = 42, kLineHeight = 22, kButtonHeight = 24, kTwoLinesHeight = 33;
constexpr int kListHeight = 240;
constexpr int kRowSpacing = 4;

int RowHeight(RowKind kind) {
  switch (kind) {
    case RowKind::Group:
      return kGroupHeight;
    case RowKind::TwoLines:
      return kTwoLinesHeight;
    default:
      return kButtonHeight;
  }
}

int ControlHeight(const PanelItem& item, int rowHeight) {
  switch (item.kind) {
    case PanelKind::DropDown:
      return kListHeight;
    case PanelKind::Caption:
    case PanelKind::Edit:
    case PanelKind::CheckBox:
      return kLineHeight;
    default:
      return rowHeight;
  }
}

// The row's controls from left to right: captions at their own width, the others sharing
// what is left by their shares.
void PlaceRow(int row, int y, int rowHeight, int inner, PanelGeometry& g) {
  int shares = 0, fixed = 0, count = 0;
  for (const PanelItem& item : kPanelItems) {
    if (item.row != row) continue;
    ++count;
    shares += item.share;
    if (item.share == 0) fixed += kCaptionWidth;
  }
  int free = std::max(inner - fixed - (count - 1) * kGap, 0);
  int x = kMargin, given = 0;
  for (const PanelItem& item : kPanelItems) {
    if (item.row != row) continue;
    int width = kCaptionWidth;
    if (item.share > 0) {
      given += item.share;
      width = given == shares ? kMargin + inner - x : free * item.share / std::max(shares, 1);
    }
    g.places[static_cast<int>(item.control)] = {x, y, std::max(width, 0),
                                                ControlHeight(item, rowHeight)};
    x += width + kGap;
  }
}

}  // namespace

PanelGeometry LayOutPanel(int width, int height) {
  PanelGeometry g;
  int inner = std::max(width - 2 * kMargin, 0);
  int fixedRows = 0;
  for (RowKind kind : kPanelRows) fixedRows += kind == RowKind::Rest ? 0 : RowHeight(kind);
  int rowCount = static_cast<int>(std::size(kPanelRows));
  int rest =
      std::max(kMemoMinimumHeight, height - fixedRows - (rowCount - 1) * kRowSpacing - 2 * kMargin);
  int y = kMargin;
  for (int row = 0; row < rowCount; ++row) {
    int rowHeight = kPanelRows[row] == RowKind::Rest ? rest : RowHeight(kPanelRows[row]);
    PlaceRow(row, y, rowHeight, inner, g);
    y += rowHeight + kRowSpacing;
  }
  g.contentHeight = y - kRowSpacing + kMargin;
  const PanelPlace& group = g.places[static_cast<int>(PanelControl::RadioGroup1)];
  int half = group.width / static_cast<int>(g.radios.size());
  for (size_t i = 0; i < g.radios.size(); ++i) {
    g.radios[i] = {group.x + static_cast<int>(i) * half + 10, group.y + 16, half - 12, 20};
  }
  return g;
}

}  // namespace zf61::win32
