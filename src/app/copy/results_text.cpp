#include "app/copy/results_text.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <span>

#include "app/controls/controls.h"
#include "app/layout/accessibility.h"
#include "app/layout/layout.h"

namespace tolvar::app {

namespace {

using C = Control;

// Each panel's lines in the order it shows them: a field, with the option
// group that gives its unit, if any. An option group alone stands for the
// option chosen in it; AutoLineData for the line data's mode; CableBox for the
// cable, in Auto mode only.
struct Line {
  Control field{};
  std::optional<Control> unit = std::nullopt;
};

constexpr Line kSwrLines[] = {{C::MeasuredR},
                              {C::MeasuredX},
                              {C::Voltage, C::VoltageKindGroup},
                              {C::PowerFromVoltageResult},
                              {C::Power, C::PowerUnitGroup},
                              {C::VoltageFromPowerResult},
                              {C::Current},
                              {C::PowerFromCurrentResult},
                              {C::ReferenceR},
                              {C::ReferenceX},
                              {C::ForwardPower},
                              {C::SwrResult}};
constexpr Line kComparisonLines[] = {{C::InputR},
                                     {C::InputX},
                                     {C::OutputR},
                                     {C::OutputX},
                                     {C::InputVoltage, C::InputVoltageKindGroup},
                                     {C::OutputVoltage, C::OutputVoltageKindGroup},
                                     {C::InputCurrent},
                                     {C::OutputCurrent},
                                     {C::ComparisonResult}};
constexpr Line kTunerLines[] = {{C::AntennaRe}, {C::AntennaIm}, {C::S11Re},           {C::S11Im},
                                {C::S21Re},     {C::S21Im},     {C::S22Re},           {C::S22Im},
                                {C::S12Re},     {C::S12Im},     {C::ComparisonResult}};
constexpr Line kLineLines[] = {{C::ShiftDirectionFrame}, {C::StartR},         {C::StartX},
                               {C::Frequency},           {C::LinePower},      {C::RtxZ},
                               {C::AutoLineData},        {C::CableBox},       {C::LineZ},
                               {C::VelocityFactor},      {C::LineLoss},       {C::CyclesBox},
                               {C::HalfWaveRange},       {C::UnreliableNote}, {C::LineResult}};

std::span<const Line> LinesOf(Control panel) {
  switch (panel) {
    case C::ComparisonFrame:
      return kComparisonLines;
    case C::TunerFrame:
      return kTunerLines;
    case C::LineFrame:
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
  for (const ControlRow& row : WindowLayout()) {
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

QString ResultsText(const Controls& controls, Control panel, bool withResult) {
  QStringList lines = {Caption(panel)};
  const bool manualLineData = controls.selected(C::ManualLineData);
  for (const auto& [control, unit] : LinesOf(panel)) {
    QString text;
    switch (LayoutRow(control).kind) {
      case ControlKind::OptionPanel:
      case ControlKind::CaptionedPanel:
        text = ChosenOption(controls, control);
        break;
      case ControlKind::Option:  // the line data's mode
        lines << QStringLiteral("Line data: ") +
                     Caption(manualLineData ? C::ManualLineData : C::AutoLineData);
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
        if (withResult && !controls.text(control).isEmpty()) {
          lines << controls.text(control).split(QLatin1Char('\n'));
        }
        continue;
      case ControlKind::Label:  // a note, when it shows
        if (!controls.widget(control)->isHidden()) {
          lines << Caption(control);
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
