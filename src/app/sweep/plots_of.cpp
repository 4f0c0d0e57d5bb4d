#include "app/sweep/plots_of.h"

#include <cmath>

#include "app/controls/controls.h"
#include "app/sweep/sweep_points.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using calc::sweep::LinePoint;
using calc::sweep::Marker;
using calc::sweep::MarkerKind;
using Curve = PlotCurve;
using Role = CurveRole;
using Values = std::vector<std::optional<double>>;

const QString kSwr = QStringLiteral("SWR");
const QString kDb = QStringLiteral("dB");
const QString kOhm = QStringLiteral("ohm");

QString On(double referenceOhm) {
  return QStringLiteral(", on ") + ToQString(numeric::ShortestText(referenceOhm)) +
         QStringLiteral(" ohm");
}

// Return loss [dB] of an SWR: -20 log10 of its |Gamma|.
std::optional<double> ReturnLoss(const std::optional<double>& swr) {
  if (!swr || !(*swr > 1)) {
    return std::nullopt;
  }
  return -20 * std::log10((*swr - 1) / (*swr + 1));
}

template <typename Point, typename Take>
Values Column(const std::vector<Point>& points, Take take) {
  Values values;
  values.reserve(points.size());
  for (const Point& p : points) {
    values.push_back(take(p));
  }
  return values;
}

std::optional<double> Part(const std::optional<numeric::Complex>& z, double numeric::Complex::*which) {
  return z ? std::optional((*z).*which) : std::nullopt;
}

QString MarkerLabel(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::SwrMinimum:
      return QStringLiteral("min");
    case MarkerKind::Resonance:
      return QStringLiteral("res");
    case MarkerKind::Swr15Low:
    case MarkerKind::Swr15High:
      return QStringLiteral("1.5");
    case MarkerKind::Swr2Low:
    case MarkerKind::Swr2High:
      return QStringLiteral("2");
  }
  return {};
}

void AddMarkers(PlotData& plot, const std::vector<Marker>& markers, std::size_t curve) {
  for (const Marker& m : markers) {
    if (m.swr) {
      plot.markers.push_back({m.mhz, *m.swr, MarkerLabel(m.kind), curve});
    }
  }
}

// A curve's name, with why it has no value where it has none at all.
QString NameWithReason(const QString& name, const Values& values, const QString& why) {
  for (const auto& v : values) {
    if (v) {
      return name;
    }
  }
  return name + QStringLiteral(" (no value: ") + why + QLatin1Char(')');
}

}  // namespace

namespace {

// What the line sweep's plots share: the ends' names, the frequencies and the
// columns more than one plot shows.
struct LineCurves {
  QString measured;  // the measured end, the carried one, and how a typed loss goes
  QString carried;
  QString scaled;
  QString why;  // why a point has no carried value
  double fileOhm = 0;
  double radioOhm = 0;
  std::vector<double> mhz;
  Values measuredSwr;
  Values carriedSwr;
  Values loss;
};

LineCurves CurvesOf(const LinePlotSource& source) {
  const auto& points = source.points;
  const calc::sweep::SweptLine& swept = source.swept;
  const bool towardsAntenna = swept.panel.shift.direction == calc::line::Direction::TowardsAntenna;
  LineCurves c;
  c.measured = towardsAntenna ? QStringLiteral("at the radio (measured)")
                              : QStringLiteral("at the antenna (measured)");
  // A typed loss is given for the panel's MHz: say how it goes elsewhere.
  c.scaled = swept.cable == nullptr ? QStringLiteral(", typed loss scaled with \u221af") : QString();
  c.fileOhm = source.measuredReferenceOhm;
  c.radioOhm = swept.panel.rtxZ;
  c.measuredSwr = Column(points, [&](const LinePoint& p) { return SwrOn(p.measured, c.fileOhm); });
  c.carriedSwr = Column(points, [&](const LinePoint& p) { return SwrOn(p.carried, c.radioOhm); });
  c.loss = Column(points, [](const LinePoint& p) { return p.lineLossDb; });
  c.why = points.empty() ? QString() : NoValueReason(points.front(), swept);
  c.carried = NameWithReason(towardsAntenna ? QStringLiteral("at the antenna (through the line)")
                                            : QStringLiteral("at the radio (through the line)"),
                             c.carriedSwr, c.why);
  c.mhz.reserve(points.size());
  for (const LinePoint& p : points) {
    c.mhz.push_back(p.mhz);
  }
  return c;
}

PlotData LinePlot(const LineCurves& c, const QString& title, const QString& unit, AxisKind axis,
                  std::vector<Curve> curves) {
  return PlotData{title,          unit,           c.mhz, std::move(curves), kDb, axis,
                  AxisKind::Loss, kOnePortSource,
                  QStringLiteral("No point of this band has a value: ") + c.why + '.'};
}

Values ReturnLosses(const Values& swrs) {
  Values out;
  out.reserve(swrs.size());
  for (const auto& s : swrs) {
    out.push_back(ReturnLoss(s));
  }
  return out;
}

PlotData ResistanceAndReactance(const LineCurves& c, const std::vector<LinePoint>& points) {
  const auto part = [&](bool carried, double numeric::Complex::*which) {
    return Column(points, [&](const LinePoint& p) {
      return Part(carried ? p.carried : p.measured, which);
    });
  };
  return LinePlot(c, QStringLiteral("R and X"), kOhm, AxisKind::Free,
                  {Curve{QStringLiteral("R ") + c.measured, part(false, &numeric::Complex::re),
                         false, kOhm, Role::MeasuredResistance},
                   Curve{QStringLiteral("X ") + c.measured, part(false, &numeric::Complex::im),
                         false, kOhm, Role::MeasuredReactance},
                   Curve{QStringLiteral("R ") + c.carried, part(true, &numeric::Complex::re),
                         false, kOhm, Role::CarriedResistance},
                   Curve{QStringLiteral("X ") + c.carried, part(true, &numeric::Complex::im),
                         false, kOhm, Role::CarriedReactance}});
}

}  // namespace

std::vector<PlotData> LinePlots(const LinePlotSource& source) {
  const LineCurves c = CurvesOf(source);
  PlotData swr = LinePlot(
      c, kSwr, kSwr, AxisKind::Swr,
      {Curve{c.measured + On(c.fileOhm), c.measuredSwr, false, kSwr, Role::Measured},
       Curve{c.carried + On(c.radioOhm), c.carriedSwr, false, kSwr, Role::Carried},
       Curve{QStringLiteral("line loss") + c.scaled, c.loss, true, kDb, Role::LineLoss}});
  AddMarkers(swr, source.measuredMarkers, 0);
  AddMarkers(swr, source.carriedMarkers, 1);
  const Values matched =
      Column(source.points, [](const LinePoint& p) { return std::optional(p.matchedLossDb); });
  return {swr,
          LinePlot(c, QStringLiteral("Return loss"), kDb, AxisKind::Loss,
                   {Curve{c.measured + On(c.fileOhm), ReturnLosses(c.measuredSwr), false, kDb,
                          Role::Measured},
                    Curve{c.carried + On(c.radioOhm), ReturnLosses(c.carriedSwr), false, kDb,
                          Role::Carried}}),
          ResistanceAndReactance(c, source.points),
          LinePlot(c, QStringLiteral("Line loss"), kDb, AxisKind::Loss,
                   {Curve{QStringLiteral("matched") + c.scaled, matched, false, kDb,
                          Role::MatchedLoss},
                    Curve{QStringLiteral("with the SWR") + c.scaled, c.loss, false, kDb,
                          Role::LineLoss}})};
}

PlotData TunerPlot(const std::vector<calc::sweep::TunerPoint>& points, const QString& whyNone) {
  PlotData plot{QStringLiteral("Tuner loss"), kDb, {}, {}};
  plot.leftAxis = AxisKind::Loss;
  plot.source = kTwoPortSource;
  plot.emptyReason = whyNone;
  Curve loss{QStringLiteral("insertion loss"), {}, false, kDb, Role::TunerLoss};
  for (const auto& p : points) {
    plot.mhz.push_back(p.mhz);
    loss.values.push_back(p.lossDb);
  }
  plot.curves.push_back(loss);
  return plot;
}

PlotData MatchPlot(const std::vector<calc::match::BandPoint>& points, double referenceOhm,
                   const std::vector<Marker>& markers) {
  using calc::match::BandPoint;
  PlotData plot{QStringLiteral("Match"), kSwr, {}, {}, kDb, AxisKind::Swr, AxisKind::Loss,
                kOnePortSource,
                QStringLiteral("The chain has no value at any point of this band: the antenna is "
                               "active, or the line's loss model fails.")};
  for (const BandPoint& p : points) {
    plot.mhz.push_back(p.mhz);
  }
  plot.curves = {
      Curve{QStringLiteral("at the radio, through the network") + On(referenceOhm),
            Column(points, [](const BandPoint& p) { return p.radioSwr; }), false, kSwr,
            Role::Carried},
      Curve{QStringLiteral("network loss"),
            Column(points, [](const BandPoint& p) { return p.networkLossDb; }), true, kDb,
            Role::TunerLoss},
      Curve{QStringLiteral("line loss"),
            Column(points, [](const BandPoint& p) { return p.lineLossDb; }), true, kDb,
            Role::LineLoss},
      Curve{QStringLiteral("total loss"),
            Column(points, [](const BandPoint& p) { return p.totalLossDb; }), true, kDb,
            Role::MatchedLoss}};
  AddMarkers(plot, markers, 0);
  return plot;
}

}  // namespace tolvar::app
