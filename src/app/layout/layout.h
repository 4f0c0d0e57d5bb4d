#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "app/layout/control.h"

namespace tolvar::app {

// The window is data: one row per control, in creation order (panels before
// the controls that lie over them, so later rows stack above earlier ones).
enum class ControlKind {
  CaptionedPanel,  // a panel with a caption (QGroupBox)
  OptionPanel,     // a captionless, opaque panel that only groups option buttons
  Label,           // static text, word-wrapped within its box
  Entry,           // single-line entry field
  Result,          // single-line result field (read-only, disabled)
  MultiResult,     // multi-line result field (read-only)
  Display,         // single-line text shown by the program (disabled)
  Button,
  Option,
  CableBox,  // drop-down list with an edit line
  PickList,  // pick-only drop-down list
  ScrollBar,
};

// The flags of a control, or-ed together.
inline constexpr unsigned kSelected = 1U << 0;  // option button selected at start
inline constexpr unsigned kDisabled = 1U << 1;
inline constexpr unsigned kHidden = 1U << 2;
inline constexpr unsigned kCondensed = 1U
                                       << 3;  // 4 % narrower letters, where a caption would not fit
inline constexpr unsigned kBold = 1U << 4;
inline constexpr unsigned kLarge = 1U << 5;  // 24-point letters (the help button)
inline constexpr unsigned kLineData =
    1U << 6;  // line Z, velocity factor or loss: typed only in manual mode

struct ControlRow {
  std::optional<Control> name;  // none for the unnamed "R:"/"I:" captions
  std::string_view layoutName;  // its objectName, a name outside tools rely on
  ControlKind kind;
  std::optional<Control> parent;  // containing panel; none for the window itself
  int left, top, width, height;   // twips within the parent
  std::string_view text;          // caption or start text
  int tab;                        // tab index; -1 for controls the tab order skips
  unsigned flags;
  std::string_view tooltip;
  // An option's click empties these results; a button's press empties these
  // entries before it computes.
  std::span<const Control> clears = {};
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10320;
inline constexpr int kClientHeightTwips = 10170;

std::span<const ControlRow> WindowLayout();

// The row of a named control; every Control has one.
const ControlRow& LayoutRow(Control control);
// The control's layout name, which is its objectName.
std::string_view LayoutName(Control control);

}  // namespace tolvar::app
