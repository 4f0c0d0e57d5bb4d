#pragma once

#include "app/panels/panel.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"

namespace tolvar::app {

// The "SWR, Power, Current, Voltage Computation" panel: the SWR calculator and
// the power, voltage and current conversions. Each conversion also writes the
// power it used or found into the forward-power field of the SWR calculator.
class SwrPanel : public Panel {
  Q_OBJECT

 public:
  SwrPanel(QWidget* window, const Controls& controls);

  // The load against the reference, with its SWR circle.
  std::optional<ChartView> chartView() const override;
  // Puts a load [ohm] into the R and X entries, as typed.
  void setLoad(numeric::Complex z);
  // The load as typed [ohm]; none while a part is too large to read.
  std::optional<numeric::Complex> typedLoad() const;

 private:
  void computeSwr();
  void computePowerFromVoltage();
  void computeVoltageFromPower();
  void computePowerFromCurrent();

  // The load the conversions use: its R with the zero check.
  numeric::Complex readLoad() const;
  template <typename Figures>
  void writeConversion(Control result, const calc::swr::Conversion<Figures>& conversion) const;

  // The SWR result on screen: what it was computed from, and its figures.
  calc::swr::SwrEntries load_{};
  calc::swr::SwrFigures figures_{};
};

}  // namespace tolvar::app
