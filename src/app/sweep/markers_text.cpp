#include "app/sweep/markers_text.h"

#include <QStringList>

#include "app/controls/controls.h"
#include "app/sweep/sweeps.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using calc::sweep::Marker;
using calc::sweep::MarkerKind;

QString Fixed(double value, int decimals) {
  return ToQString(numeric::FormatFixed(value, decimals));
}

QString Mhz(double mhz) { return Fixed(mhz, 3) + QStringLiteral(" MHz"); }

// "SWR < 2 from 6.905 to 7.322 MHz", "SWR < 2 above 6.905 MHz", or none.
QString Band(const std::vector<Marker>& markers, MarkerKind low, MarkerKind high,
             const QString& level) {
  const Marker* from = nullptr;
  const Marker* to = nullptr;
  for (const Marker& m : markers) {
    from = m.kind == low ? &m : from;
    to = m.kind == high ? &m : to;
  }
  const QString below = QStringLiteral("SWR < ") + level;
  if (from != nullptr && to != nullptr) {
    return below + QStringLiteral(" from ") + Fixed(from->mhz, 3) + QStringLiteral(" to ") +
           Mhz(to->mhz);
  }
  if (from != nullptr) {
    return below + QStringLiteral(" above ") + Mhz(from->mhz);
  }
  if (to != nullptr) {
    return below + QStringLiteral(" below ") + Mhz(to->mhz);
  }
  return {};
}

}  // namespace

QString MarkersLine(const QString& curve, double referenceOhm, const std::vector<Marker>& markers) {
  if (markers.empty()) {
    return {};
  }
  QStringList parts;
  for (const Marker& m : markers) {
    if (m.kind == MarkerKind::SwrMinimum && m.swr) {
      parts << QStringLiteral("lowest ") + Fixed(*m.swr, 3) + QStringLiteral(" at ") + Mhz(m.mhz);
    } else if (m.kind == MarkerKind::Resonance) {
      parts << QStringLiteral("resonance at ") + Mhz(m.mhz) +
                   (m.r ? QStringLiteral(" (R ") + Fixed(*m.r, 2) + QStringLiteral(" ohm)")
                        : QString());
    }
  }
  for (const auto& [low, high, level] :
       {std::tuple{MarkerKind::Swr2Low, MarkerKind::Swr2High, QStringLiteral("2")},
        std::tuple{MarkerKind::Swr15Low, MarkerKind::Swr15High, QStringLiteral("1.5")}}) {
    if (const QString band = Band(markers, low, high, level); !band.isEmpty()) {
      parts << band;
    }
  }
  return curve + QStringLiteral(", SWR on ") + ToQString(numeric::ShortestText(referenceOhm)) +
         QStringLiteral(" ohm: ") + parts.join(QStringLiteral("; "));
}

QString MarkersText(const Sweeps& sweeps) {
  QStringList lines;
  lines << MarkersLine(QStringLiteral("Measured"), sweeps.measuredReferenceOhm(),
                       sweeps.measuredMarkers());
  if (!sweeps.carriedMarkers().empty()) {
    lines << MarkersLine(sweeps.carriedName(), sweeps.carriedReferenceOhm(),
                         sweeps.carriedMarkers());
  }
  lines.removeAll(QString());
  return lines.join(QLatin1Char('\n'));
}

}  // namespace tolvar::app
