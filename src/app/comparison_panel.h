#pragma once

#include "app/panel.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

class ButtonPresses;
class FocusHandlers;

// The "Input - Output Comparison" panel: the voltage and current comparisons
// and the tuner insertion loss, which share the result field Text5, and the
// rules of the S-parameter fields.
class ComparisonPanel : public Panel {
 public:
  ComparisonPanel(QWidget* window, const Controls& controls, FocusHandlers& focus,
                  ButtonPresses& presses);

  // The antenna's reflection and the one seen at the tuner's RTX port, on the
  // VNA's reference.
  std::optional<ChartView> chartView() const override;

 private:
  void compareVoltages();
  void compareCurrents();
  void computeTunerLoss();

  void checkResistances() const;
  void checkAntennaPart(Control field, const Message& outOfRange, Qt::FocusReason reason);

  ButtonPresses& presses_;
  calc::tuner::TunerEntries tuner_{};  // what the tuner result on screen was computed from
};

}  // namespace tolvar::app
