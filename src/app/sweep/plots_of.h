#pragma once

#include <vector>

#include "app/sweep/plot_data.h"
#include "calc/match/band.h"
#include "calc/sweep/markers.h"
#include "calc/sweep/sweep.h"

namespace tolvar::app {

// Which file a plot's frequencies come from, as the plot's clicks tell it:
// the 1-port's (the line and the match) or the 2-port's (the tuner).
inline constexpr int kOnePortSource = 1;
inline constexpr int kTwoPortSource = 2;

// What the line sweep's plots stand on.
struct LinePlotSource {
  const std::vector<calc::sweep::LinePoint>& points;  // at the drawn frequencies
  const calc::sweep::SweptLine& swept;
  double measuredReferenceOhm;  // the file's: the measured SWR as the analyser showed it
  const std::vector<calc::sweep::Marker>& measuredMarkers;
  const std::vector<calc::sweep::Marker>& carriedMarkers;
};

// The SWR at both ends (the measured one on the file's reference, the
// carried one on the radio's) with the line's loss beside it, their return
// losses, R and X at both ends, and the line's loss matched and with the SWR;
// the SWR curves with their markers.
std::vector<PlotData> LinePlots(const LinePlotSource& source);

// The tuner's insertion loss; `whyNone` says why where no point has one.
PlotData TunerPlot(const std::vector<calc::sweep::TunerPoint>& points, const QString& whyNone);

// The matched band: the SWR the radio sees on R0 with its markers, and the
// network's, the line's and the total loss.
PlotData MatchPlot(const std::vector<calc::match::BandPoint>& points, double referenceOhm,
                   const std::vector<calc::sweep::Marker>& markers);

}  // namespace tolvar::app
