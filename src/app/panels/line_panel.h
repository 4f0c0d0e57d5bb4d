#pragma once

#include <cstdint>
#include <optional>

#include "app/panels/panel.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "calc/sweep/sweep.h"

namespace tolvar::app {

class FocusHandlers;

// The transmission-line panel: the refresh of the shown line data, the shift
// controls that run the line computation, and the power swap.
class LinePanel : public Panel {
  Q_OBJECT

 public:
  LinePanel(QWidget* window, const Controls& controls, FocusHandlers& focus);

  // Against the line's impedance: the start point, the far point of the last
  // run and the path between them along the line.
  std::optional<ChartView> chartView() const override;
  // What leaving the frequency field does, after a write into it that no one
  // typed (a measurement's frequency).
  void frequencyWritten();

  // The line the panel's entries describe now, for a sweep along it: its
  // impedance, velocity factor, loss (the cable's model, or the typed loss at
  // the panel's MHz), direction, and the length its shift and MHz give. None
  // while an entry it needs is 0 or too large to read.
  std::optional<calc::sweep::SweptLine> sweptLine() const;

 private:
  // The line's impedance [ohm] and velocity factor, from the catalogue or as typed.
  struct LineData {
    double z;
    double velocityFactor;
  };

  // Refreshes of what the panel shows; none runs the line computation.
  void refresh(bool showRange);
  void refreshAfterLeaving(Control field);
  void chooseAutoMode();
  void chooseManualMode();

  // The shift controls and the swap.
  void shiftEvent();
  void computeLine(std::optional<double> swappedPowerW = std::nullopt);
  void swapPower();

  bool manualLineData() const;
  void lookUpCable();
  LineData loadLineData() const;
  void showCatalogueData(const LineData& data);
  void showHalfWaveRange(double velocityFactor);
  void checkZeroEntries(bool manual) const;
  calc::line::LineEntries readEntries(bool manual, std::optional<double> swappedPowerW);

  // Kept between events.
  std::int16_t cable_ = 0;        // catalogue index of the current cable
  double cycles_ = 1;             // the half-wave cycle that the last run read
  double lastPhaseDeg_ = 0;       // the start point's phase of the last run
  double lastFarPowerW_ = 0;      // the far-point power of the last run
  bool lastRunComplete_ = false;  // the last run ended with a four-line result
  // The line result on screen: what it was computed from, and its figures.
  calc::line::LineEntries charted_{};
  calc::line::StartPoint chartedStart_{};
  calc::line::LineFigures chartedFigures_{};
};

}  // namespace tolvar::app
