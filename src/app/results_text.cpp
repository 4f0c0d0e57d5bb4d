#include "app/results_text.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <optional>
#include <span>

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/fields.h"
#include "app/layout.h"

namespace tolvar::app {

namespace {

using C = Control;

// Each panel's lines in the order it shows them: a field, with the option
// group that gives its unit, if any. An option group alone stands for the
// option chosen in it; Option16 for the line data's mode; Combo2 for the
// cable, in Auto mode only.
struct Line {
  Control field{};
  std::optional<Control> unit = std::nullopt;
};

constexpr Line kSwrLines[] = {
    {C::Text7}, {C::Text8},  {C::Text9, C::Frame3}, {C::Text2},  {C::Text10, C::Frame10},
    {C::Text3}, {C::Text18}, {C::Text19},           {C::Text12}, {C::Text11},
    {C::Text6}, {C::Text4}};
constexpr Line kComparisonLines[] = {{C::Text15},
                                     {C::Text1},
                                     {C::Text16},
                                     {C::Text17},
                                     {C::Text13, C::Frame8},
                                     {C::Text14, C::Frame9},
                                     {C::Text20},
                                     {C::Text21},
                                     {C::Text30},
                                     {C::Text34},
                                     {C::Text36},
                                     {C::Text37},
                                     {C::Text33},
                                     {C::Text32},
                                     {C::Text31},
                                     {C::Text35},
                                     {C::Text38},
                                     {C::Text39},
                                     {C::Text5}};
constexpr Line kLineLines[] = {{C::Frame12}, {C::Text23},   {C::Text24}, {C::Text28}, {C::Text29},
                               {C::Text26},  {C::Option16}, {C::Combo2}, {C::Text25}, {C::Text27},
                               {C::Text40},  {C::Combo1},   {C::Text41}, {C::Text22}};

std::span<const Line> LinesOf(Control panel) {
  switch (panel) {
    case C::Frame2:
      return kComparisonLines;
    case C::Frame11:
      return kLineLines;
    default:
      return kSwrLines;
  }
}

QString Caption(Control control) {
  QString caption = ToQString(LayoutRow(control).text);
  caption.remove(QLatin1Char('&'));
  return caption;
}

// The caption of the option chosen among the options of `group`.
QString ChosenOption(const Controls& controls, Control group) {
  for (const ControlSpec& row : WindowLayout()) {
    if (row.kind == ControlKind::Option && row.parent == group && controls.selected(*row.name)) {
      return Caption(*row.name);
    }
  }
  return {};
}

QString Label(Control control) {
  const std::string_view name = AccessibleNameOf(control);
  return name.empty() ? Caption(control) : ToQString(name);
}

}  // namespace

QString ResultsText(const Controls& controls, Control panel) {
  QStringList lines = {Caption(panel)};
  const bool manualLineData = controls.selected(C::Option11);
  for (const auto& [control, unit] : LinesOf(panel)) {
    QString text;
    switch (LayoutRow(control).kind) {
      case ControlKind::OptionPanel:
      case ControlKind::CaptionedPanel:
        text = ChosenOption(controls, control);
        break;
      case ControlKind::Option:  // the line data's mode
        lines << QStringLiteral("Line data: ") +
                     Caption(manualLineData ? C::Option11 : C::Option16);
        continue;
      case ControlKind::CableBox:
        if (manualLineData) {
          continue;
        }
        text = controls.comboBox(control)->currentText();
        break;
      case ControlKind::PickList:
        text = controls.comboBox(control)->currentText();
        break;
      case ControlKind::MultiResult:
        if (!controls.text(control).isEmpty()) {
          lines << controls.text(control).split(QLatin1Char('\n'));
        }
        continue;
      default:
        text = controls.text(control);
        break;
    }
    if (!text.isEmpty()) {
      const QString inUnit =
          unit ? QStringLiteral(" (") + ChosenOption(controls, *unit) + QLatin1Char(')')
               : QString();
      lines << Label(control) + inUnit + QStringLiteral(": ") + text;
    }
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace tolvar::app
