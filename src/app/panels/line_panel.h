#pragma once

#include <cstdint>
#include <optional>

#include "app/panels/panel.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "calc/sweep/sweep.h"

namespace tolvar::app {

// The transmission-line panel: the refresh of the shown line data, the shift
// controls that run the line computation, and the power swap.
class LinePanel : public Panel {
  Q_OBJECT

 public:
  explicit LinePanel(QWidget* window, const Controls& controls);

  // Against the line's impedance: the start point, the far point of the last
  // run and the path between them along the line.
  std::optional<ChartView> chartView() const override;

  // Puts an impedance [ohm] and its frequency [MHz] into the start point's
  // entries as typed, then shows the half-wave range as leaving the
  // frequency field does.
  void setLineStart(numeric::Complex z, double mhz);
  // The frequency entry's value [MHz]; none while it is too large to read.
  std::optional<double> frequencyMhz() const;
  // The far point of the result on screen [ohm] and its frequency [MHz].
  struct FarPoint {
    numeric::Complex z{};
    double mhz = 0;
  };
  std::optional<FarPoint> farPoint() const;

  // The line the panel's entries describe now, for a sweep along it: its
  // impedance, velocity factor, loss (the cable's model, or the typed loss at
  // the panel's MHz), direction, and the length its shift and MHz give. None
  // while an entry it needs is 0 or too large to read.
  std::optional<calc::sweep::SweptLine> sweptLine() const;

 signals:
  // An entry or choice that sweptLine() reads has changed.
  void lineChanged();

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
  const calc::line::Cable& cable() const;
  LineData loadLineData() const;
  calc::line::Shift readShift() const;
  void showCatalogueData(const LineData& data);
  void showHalfWaveRange(double velocityFactor, double mhz);
  // The entries of a run, each read once, with the zero checks' boxes; a swap
  // runs with the unrounded swapped power, not the field's one decimal.
  calc::line::LineEntries readEntries(std::optional<double> swappedPowerW);
  void writeRun(const calc::line::LineEntries& entries, const calc::line::LineRun& run);

  // Kept between events.
  std::int16_t cable_ = 0;        // catalogue index of the current cable
  int cycle_ = 1;                 // the half-wave cycle that the last run read
  double lastPhaseDeg_ = 0;       // the start point's phase of the last run
  double lastFarPowerW_ = 0;      // the far-point power of the last run
  bool lastRunComplete_ = false;  // the last run ended with a four-line result
  // The line result on screen: what it was computed from, and its figures.
  calc::line::LineEntries charted_{};
  calc::line::StartPoint chartedStart_{};
  calc::line::LineFigures chartedFigures_{};
  // The path to the far point, sampled at the first chartView() after a run:
  // the chart asks several times for one event.
  mutable std::optional<std::vector<numeric::Complex>> chartedPath_;
};

}  // namespace tolvar::app
