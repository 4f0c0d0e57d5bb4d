#pragma once

#include "app/panels/panel.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

class ButtonPresses;

// The "Input - Output Comparison" panel: the voltage and current comparisons
// and the tuner insertion loss, which share the result field ComparisonResult, and the
// rules of the S-parameter fields.
class ComparisonPanel : public Panel {
  Q_OBJECT

 public:
  ComparisonPanel(QWidget* window, const Controls& controls, ButtonPresses& presses);

  // A tuner's S-parameters on the VNA's reference, port 1 at the radio.
  struct TunerS {
    numeric::Complex s11, s21, s12, s22;
  };

  // The antenna's reflection and the one seen at the tuner's RTX port, on the
  // VNA's reference.
  std::optional<ChartView> chartView() const override;
  // The shared result field shows the tuner's result, or the comparisons'.
  bool showsResultOf(Control frame) const override;

  // The antenna's reflection as typed in S Ant.; none while a part is too
  // large to read.
  std::optional<numeric::Complex> typedAntenna() const;
  // Put into the entries as typed: the antenna's reflection, the tuner's S.
  void setAntenna(numeric::Complex gamma);
  void setTuner(const TunerS& s);

 signals:
  // S Ant. has changed.
  void antennaChanged();

 private:
  void compareVoltages();
  void compareCurrents();
  void computeTunerLoss();

  // The input and output impedances, their R with the zero checks.
  struct Sides {
    numeric::Complex input, output;
  };
  Sides readResistances() const;
  void checkAntennaPart(Control field, const Message& outOfRange, Qt::FocusReason reason);

  ButtonPresses& presses_;
  bool tunerWroteLast_ = false;
  // The tuner result on screen: what it was computed from, and its figures.
  calc::tuner::TunerEntries tuner_{};
  calc::tuner::TunerFigures figures_{};
};

}  // namespace tolvar::app
