#include "app/match/match_texts.h"

#include "app/controls/controls.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using calc::match::Connection;
using calc::match::Element;
using calc::match::Kind;

QString Fixed(double value, int decimals) {
  return ToQString(numeric::FormatFixed(value, decimals));
}

// The first entry that must be above 0 (or, for the power, not below it) and is not.
struct Limit {
  double value;
  const char* what;
  bool zeroAllowed;
};

}  // namespace

QString MatchInputsFault(const MatchInputs& inputs) {
  const Limit limits[] = {
      {inputs.design.loadOhm.re, "the load's R", false},
      {inputs.design.mhz, "the frequency", false},
      {inputs.design.referenceOhm, "the radio's R0", false},
      {inputs.powerW, "the power", true},
      {inputs.qualities.inductorQ, "the inductors' Q", false},
      {inputs.qualities.capacitorQ, "the capacitors' Q", false},
  };
  for (const Limit& limit : limits) {
    const bool fine = limit.zeroAllowed ? limit.value >= 0 : limit.value > 0;
    if (!fine) {
      return QStringLiteral("Type %1 (a number %2 0) to see the networks that match the load.")
          .arg(QString::fromLatin1(limit.what),
               limit.zeroAllowed ? QStringLiteral("of at least") : QStringLiteral("above"));
    }
  }
  return {};
}

QString LossText(double lossDb) { return Fixed(lossDb, 4) + QStringLiteral(" dB"); }

QString SolutionText(std::size_t number, const calc::match::Solution& solution) {
  QString text = QString::number(number) + QStringLiteral(". ") + NetworkText(solution.network);
  const auto& e = solution.evaluation;
  if (!e) {
    return text + QStringLiteral(": cannot be evaluated with these Qs");
  }
  return text + QStringLiteral(": loss ") + LossText(e->lossDb) + QStringLiteral(" (") +
         Fixed(e->lossPercent, 2) + QStringLiteral(" %), SWR ") +
         (e->inputSwr ? Fixed(*e->inputSwr, 3) : QStringLiteral("none"));
}

QStringList ElementLines(const calc::match::Solution& solution) {
  QStringList lines;
  const auto& elements = solution.network.elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Element& e = elements[i];
    QString line = QString::number(i + 1) + QLatin1Char(' ') +
                   (e.connection == Connection::Series ? QStringLiteral("series ")
                                                       : QStringLiteral("shunt ")) +
                   (e.kind == Kind::Inductor ? QStringLiteral("L ") : QStringLiteral("C ")) +
                   ElementValueText(e) +
                   QStringLiteral(", X ") + Fixed(e.reactanceOhm, 1) + QStringLiteral(" ohm");
    if (solution.evaluation && i < solution.evaluation->elements.size()) {
      const auto& f = solution.evaluation->elements[i];
      line += QStringLiteral(": ") + Fixed(f.dissipatedW, 2) + QStringLiteral(" W, ") +
              Fixed(f.peakV, 0) + QStringLiteral(" V peak, ") + Fixed(f.rmsA, 2) +
              QStringLiteral(" A");
    }
    lines << line;
  }
  return lines;
}

}  // namespace tolvar::app
