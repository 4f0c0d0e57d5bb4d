#pragma once

#include "app/panel.h"
#include "calc/swr/swr.h"

namespace tolvar::app {

// The "SWR, Power, Current, Voltage Computation" panel: the SWR calculator and
// the power, voltage and current conversions. Each conversion also writes the
// power it used or found into the forward-power field of the SWR calculator.
class SwrPanel : public Panel {
 public:
  SwrPanel(QWidget* window, const Controls& controls);

  // The load against the reference, with its SWR circle.
  std::optional<ChartView> chartView() const override;

 private:
  void computeSwr();
  void computePowerFromVoltage();
  void computeVoltageFromPower();
  void computePowerFromCurrent();

  void checkMeasuredResistance() const;

  calc::swr::SwrEntries load_{};  // what the SWR result on screen was computed from
};

}  // namespace tolvar::app
