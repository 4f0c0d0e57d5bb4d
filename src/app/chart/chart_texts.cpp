#include "app/chart/chart_texts.h"

#include <algorithm>

#include "app/chart/smith_chart.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

constexpr QLatin1String kReadoutSeparator("   ");

QString Fixed(double value, int decimals) {
  return QString::fromStdString(numeric::FormatFixed(value, decimals));
}

}  // namespace

QString ChartOhmText(numeric::Complex z) {
  return QString::fromStdString(numeric::ComplexText(z, numeric::kChartReferenceNotation)) +
         QStringLiteral(" ohm");
}

QString ChartReferenceText(numeric::Complex reference) {
  return QStringLiteral("Reference ") + ChartOhmText(reference);
}

QStringList ChartLegendLines(const std::vector<ChartMark>& marks) {
  const bool named = std::any_of(marks.begin(), marks.end(), [&marks](const ChartMark& mark) {
    return mark.reference != marks.front().reference;
  });
  QStringList lines;
  for (const ChartMark& mark : marks) {
    if (!mark.legend.isEmpty()) {
      lines << mark.legend +
                   (named ? QStringLiteral(", on ") + ChartOhmText(mark.reference) : QString());
    }
  }
  return lines;
}

QString ChartReadout(numeric::Complex gamma, numeric::Complex reference, const QString& prefix) {
  const double magnitude = numeric::Abs(gamma);
  // The rim and beyond hold no passive load: nothing to read there.
  if (!(magnitude < 1)) {
    return {};
  }
  QStringList parts;
  // The sign of an imaginary part is that of its shown digits: one that
  // rounds to zero shows as "+ j0.00".
  if (const auto z = numeric::ImpedanceOf(gamma, reference)) {
    parts << prefix + QStringLiteral("Z = ") +
                 QString::fromStdString(numeric::ComplexText(*z, numeric::kChartImpedanceNotation)) +
                 QStringLiteral(" ohm");
  }
  parts << QStringLiteral("|\u0393| = ") + Fixed(magnitude, 3) + QStringLiteral(" at ") +
               Fixed(numeric::ReflectionAngleDegrees(gamma), 1) + QStringLiteral("\u00b0");
  if (const auto swr = numeric::SwrOf(magnitude)) {
    parts << QStringLiteral("SWR = ") + Fixed(*swr, 2);
  }
  return parts.join(kReadoutSeparator);
}

}  // namespace tolvar::app
