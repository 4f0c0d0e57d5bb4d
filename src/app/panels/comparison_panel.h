#pragma once

#include "app/panels/panel.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

class ButtonPresses;
class FocusHandlers;

// The "Input - Output Comparison" panel: the voltage and current comparisons
// and the tuner insertion loss, which share the result field ComparisonResult, and the
// rules of the S-parameter fields.
class ComparisonPanel : public Panel {
  Q_OBJECT

 public:
  ComparisonPanel(QWidget* window, const Controls& controls, FocusHandlers& focus,
                  ButtonPresses& presses);

  // The antenna's reflection and the one seen at the tuner's RTX port, on the
  // VNA's reference.
  std::optional<ChartView> chartView() const override;
  // The shared result field shows the tuner's result, or the comparisons'.
  bool showsResultOf(Control frame) const override;

 private:
  void compareVoltages();
  void compareCurrents();
  void computeTunerLoss();

  void checkResistances() const;
  void checkAntennaPart(Control field, const Message& outOfRange, Qt::FocusReason reason);

  ButtonPresses& presses_;
  bool tunerWroteLast_ = false;
  // The tuner result on screen: what it was computed from, and its figures.
  calc::tuner::TunerEntries tuner_{};
  calc::tuner::TunerFigures figures_{};
};

}  // namespace tolvar::app
