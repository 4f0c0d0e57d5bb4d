#include "app/sweep/sweep_points.h"

#include <QStringList>
#include <cmath>

#include "app/controls/controls.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using calc::measurement::Measurement;
using numeric::Complex;
using Column = std::vector<std::optional<double>>;

std::vector<Complex> At(const std::vector<Complex>& values,
                        const std::vector<std::size_t>& indices) {
  std::vector<Complex> kept;
  if (!values.empty()) {
    kept.reserve(indices.size());
    for (const std::size_t i : indices) {
      kept.push_back(values[i]);
    }
  }
  return kept;
}

}  // namespace

Measurement PointsAt(const Measurement& m, const std::vector<std::size_t>& indices) {
  Measurement kept;
  kept.ports = m.ports;
  kept.referenceOhm = m.referenceOhm;
  kept.frequencyHz.reserve(indices.size());
  for (const std::size_t i : indices) {
    kept.frequencyHz.push_back(m.frequencyHz[i]);
  }
  kept.s11 = At(m.s11, indices);
  kept.s21 = At(m.s21, indices);
  kept.s12 = At(m.s12, indices);
  kept.s22 = At(m.s22, indices);
  return kept;
}

std::optional<double> SwrOn(const std::optional<Complex>& z, double referenceOhm) {
  return z ? numeric::SwrOfImpedance(*z, referenceOhm) : std::nullopt;
}

std::vector<calc::sweep::Marker> MeasuredMarkers(const Measurement& onePort) {
  const std::size_t n = onePort.frequencyHz.size();
  std::vector<double> mhz(n);
  Column swr(n);
  Column r(n);
  Column x(n);
  for (std::size_t i = 0; i < n; ++i) {
    mhz[i] = onePort.frequencyHz[i] / kHertzPerMegahertz;
    swr[i] = numeric::SwrOf(numeric::Abs(onePort.s11[i]));
    if (const auto z = numeric::ImpedanceOf(onePort.s11[i], {onePort.referenceOhm, 0})) {
      r[i] = z->re;
      x[i] = z->im;
    }
  }
  return calc::sweep::FindMarkers({mhz, swr, r, x});
}

std::vector<calc::sweep::Marker> CarriedMarkers(const std::vector<calc::sweep::LinePoint>& points,
                                                double radioOhm) {
  const std::size_t n = points.size();
  std::vector<double> mhz(n);
  Column swr(n);
  Column r(n);
  Column x(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto& carried = points[i].carried;
    mhz[i] = points[i].mhz;
    swr[i] = SwrOn(carried, radioOhm);
    if (carried) {
      r[i] = carried->re;
      x[i] = carried->im;
    }
  }
  return calc::sweep::FindMarkers({mhz, swr, r, x});
}

QString NoValueReason(const calc::sweep::LinePoint& point, const calc::sweep::SweptLine& swept) {
  if (point.carried) {
    return {};
  }
  if (!point.measured) {
    return QStringLiteral("an open circuit, which has no finite impedance");
  }
  if (point.measured->re < 0) {
    return QStringLiteral("an active load (R below 0), which a line does not carry");
  }
  if (!(calc::sweep::LossDbPer100m(swept, point.mhz) >= 0)) {
    return QStringLiteral("the line's loss model falls below 0 dB there");
  }
  if (swept.panel.shift.direction == calc::line::Direction::TowardsAntenna) {
    return QStringLiteral("no SWR at the antenna gives the measured one through the line's loss");
  }
  return QStringLiteral("the line computation has no value there");
}

QString RunsWithoutValue(const std::vector<calc::sweep::LinePoint>& points) {
  QStringList runs;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i].carried) {
      continue;
    }
    std::size_t last = i;
    while (last + 1 < points.size() && !points[last + 1].carried) {
      ++last;
    }
    const QString from = ToQString(numeric::ShortestText(points[i].mhz));
    runs << (last == i ? from
                       : from + QStringLiteral(" to ") +
                             ToQString(numeric::ShortestText(points[last].mhz)));
    i = last;
  }
  return runs.isEmpty() ? QString() : runs.join(QStringLiteral(", ")) + QStringLiteral(" MHz");
}

}  // namespace tolvar::app
