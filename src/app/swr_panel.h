#pragma once

#include "app/panel.h"

namespace tolvar::app {

// The "SWR, Power, Current, Voltage Computation" panel: the SWR calculator and
// the power, voltage and current conversions. Each conversion also writes the
// power it used or found into the forward-power field of the SWR calculator.
class SwrPanel : public Panel {
 public:
  SwrPanel(QWidget* window, const Controls& controls);

 private:
  void computeSwr();
  void computePowerFromVoltage();
  void computeVoltageFromPower();
  void computePowerFromCurrent();

  void checkMeasuredResistance() const;
};

}  // namespace tolvar::app
