#include "app/measurement/measurement_values.h"

#include <QStringList>
#include <cmath>

#include "app/controls/controls.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"
#include "numeric/significant.h"
#include "numeric/smith.h"

namespace tolvar::app {

namespace {

using calc::measurement::Measurement;
using calc::tuner::kVnaReferenceOhm;
using numeric::Complex;

QString Fixed(double value, int decimals) {
  return ToQString(numeric::FormatFixed(value, decimals));
}

QString Ohm(double value) { return ToQString(numeric::ShortestText(value)) + " ohm"; }

// "Γ on 75 ohm = -0.0102 + j0.0000 (|Γ| = 0.0102 at 180.0°)\nSWR on 75 ohm = 1.021"
QString ReflectionLines(Complex gamma, double referenceOhm, const QString& what) {
  const auto swr = numeric::SwrOf(numeric::Abs(gamma));
  return QStringLiteral("\u0393 on ") + Ohm(referenceOhm) + what + QStringLiteral(" = ") +
         ToQString(numeric::ComplexText(gamma, numeric::MeasuredFixedNotation(4))) +
         QStringLiteral(" (|\u0393| = ") + Fixed(numeric::Abs(gamma), 4) + QStringLiteral(" at ") +
         Fixed(numeric::ReflectionAngleDegrees(gamma), 1) + QStringLiteral("\u00b0)\nSWR on ") +
         Ohm(referenceOhm) + QStringLiteral(" = ") +
         (swr ? Fixed(*swr, 3) : QStringLiteral("none (|\u0393| \u2265 1)"));
}

// "-0.915 dB at -12.35°", or 0 where there is no magnitude to take the log of.
QString DecibelsAngle(Complex s) {
  const double magnitude = numeric::Abs(s);
  if (magnitude == 0) {
    return QStringLiteral("0");
  }
  return Fixed(20 * std::log10(magnitude), 4) + QStringLiteral(" dB at ") +
         Fixed(numeric::ReflectionAngleDegrees(s), 2) + QStringLiteral("\u00b0");
}

}  // namespace

QString OnePortValues(const Measurement& m, std::size_t i) {
  const Complex gamma = m.s11[i];
  const auto z = numeric::ImpedanceOf(gamma, {m.referenceOhm, 0});
  // "-" for the open circuit, which the chart cannot show either.
  QString text = QStringLiteral("Z = ") +
                 (z ? ToQString(numeric::ComplexText(*z, numeric::MeasuredFixedNotation(2)))
                    : QStringLiteral("-")) +
                 QStringLiteral(" ohm\n");
  if (m.referenceOhm == kVnaReferenceOhm) {
    return text + ReflectionLines(gamma, m.referenceOhm, QString());
  }
  text += ReflectionLines(gamma, m.referenceOhm, QStringLiteral(" (the file's)"));
  const auto on50 = z ? numeric::ReflectionOf(*z, {kVnaReferenceOhm, 0}) : std::nullopt;
  return on50 ? text + QLatin1Char('\n') + ReflectionLines(*on50, kVnaReferenceOhm, " (S Ant.)")
              : text;
}

QString TwoPortValues(const Measurement& on50, std::size_t i, SForm form) {
  QStringList lines;
  const std::pair<const char*, const std::vector<Complex>*> parts[] = {
      {"S11", &on50.s11}, {"S21", &on50.s21}, {"S12", &on50.s12}, {"S22", &on50.s22}};
  for (const auto& [name, values] : parts) {
    const Complex s = (*values)[i];
    const QString shown =
        !numeric::IsFinite(s) ? QStringLiteral("-")
        : form == SForm::DecibelsAngle
            ? DecibelsAngle(s)
            : ToQString(numeric::ComplexText(numeric::AsEntered(s), numeric::kMeasuredNotation));
    lines << QString::fromLatin1(name) + QStringLiteral(" = ") + shown;
  }
  // Active data may have no finite values on 50 ohm: then the file's own show.
  const QString reference =
      on50.referenceOhm == kVnaReferenceOhm
          ? QStringLiteral("\n(on 50 ohm)")
          : QStringLiteral("\n(on ") + ToQString(numeric::ShortestText(on50.referenceOhm)) +
                QStringLiteral(" ohm, the file's: it has no finite values on 50 ohm)");
  return lines.join(QLatin1Char('\n')) + reference;
}

}  // namespace tolvar::app
