#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/chart/chart_source.h"
#include "calc/sweep/markers.h"
#include "calc/sweep/sweep.h"

namespace tolvar::app {

class ComparisonPanel;
class LinePanel;
class Measurements;

// The measured sweeps carried through the feed system, kept current with the
// measurements opened and the panels' entries: the 1-port along the line
// panel's line and length (the line sweep), the 2-port as the tuner with the
// 1-port or the typed S Ant. as its antenna (the tuner sweep), each at the
// points the plots and the chart draw (DrawnIndices), with the markers of the
// measured and the carried curve. The carried impedances are a trace on the
// Smith chart; the plots and the export read them from here, the export at
// every point.
class Sweeps : public DeferredChartSource {
  Q_OBJECT

 public:
  Sweeps(QObject* parent, const Measurements& measurements, const LinePanel& line,
         const ComparisonPanel& tuner);

  // At the drawn points.
  const std::vector<calc::sweep::LinePoint>& lineSweep() const { return line_; }
  const std::vector<calc::sweep::TunerPoint>& tunerSweep() const { return tuner_; }
  // At every point of the measurement, for copying and saving.
  std::vector<calc::sweep::LinePoint> fullLineSweep() const;
  std::vector<calc::sweep::TunerPoint> fullTunerSweep() const;
  // The reference the measured SWR stands on (the file's) and the carried
  // SWR (the line panel's radio) [ohm].
  double measuredReferenceOhm() const;
  double carriedReferenceOhm() const;
  // The markers of the measured curve (every point, SWR on the file's
  // reference) and of the carried one (the drawn points, SWR on the radio's).
  const std::vector<calc::sweep::Marker>& measuredMarkers() const { return measuredMarkers_; }
  const std::vector<calc::sweep::Marker>& carriedMarkers() const { return carriedMarkers_; }
  // The carried curve's markers at every point, for copying.
  std::vector<calc::sweep::Marker> fullCarriedMarkers() const;
  // The line the line sweep carried the 1-port along; none without a sweep.
  const std::optional<calc::sweep::SweptLine>& sweptLine() const { return swept_; }
  // "dipole.s1p at the antenna": the carried trace's name.
  QString carriedName() const;
  // The 1-port's chosen frequency [MHz], if one is open.
  std::optional<double> chosenMhz() const;

  // The carried impedances as a trace, against the line's impedance.
  std::optional<ChartView> chartView() const override;

  // updated(): the sweeps or the chosen frequency have changed.

 protected:
  void update() override;

 private:
  // Computes a sweep anew when what it reads has changed; true when it did.
  bool recomputeLine();
  bool recomputeTuner();

  const Measurements& measurements_;
  const LinePanel& linePanel_;
  const ComparisonPanel& tunerPanel_;
  std::optional<calc::sweep::SweptLine> swept_;  // the line of the line sweep
  unsigned sweptOpening_ = 0;                    // and the opening of the 1-port it carried
  std::vector<calc::sweep::LinePoint> line_;
  std::optional<std::size_t> sweptChosen_;  // the chosen point the drawn points hold
  std::vector<std::size_t> drawn_;          // the 1-port's points the line sweep holds
  unsigned markedOpening_ = 0;              // the 1-port the measured markers are of
  std::vector<calc::sweep::Marker> measuredMarkers_;
  std::vector<calc::sweep::Marker> carriedMarkers_;
  // What the tuner sweep was computed from: the openings and the typed antenna.
  unsigned tunerOpening_ = 0;
  std::optional<numeric::Complex> tunerAntenna_;
  std::vector<calc::sweep::TunerPoint> tuner_;
  std::optional<double> chosenMhz_;
};

}  // namespace tolvar::app
