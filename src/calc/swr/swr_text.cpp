#include "calc/swr/swr.h"
#include "numeric/format.h"

namespace tolvar::calc::swr {

namespace {

using numeric::ComplexText;
using numeric::FormatFixed;

std::string MatchedLoadText(const SwrFigures& f) {
  return "SWR = " + FormatFixed(f.swr, 3) + " Ret.Loss = INF. Refl.Pwr. = " + FormatFixed(0, 3) +
         "\r\n" + "Ref.Coef. = " + ComplexText(f.gamma, numeric::kMatchedReflectionNotation) +
         "  Ref.Coef.Magn. = " + FormatFixed(f.rho, 3);
}

std::string FiguresText(const SwrFigures& f) {
  if (!f.returnLossDb) {
    return MatchedLoadText(f);
  }
  return "SWR = " + FormatFixed(f.swr, 3) + " Ret.Loss = " + FormatFixed(*f.returnLossDb, 3) +
         " Refl.Pwr. = " + FormatFixed(f.reflectedPowerW, 3) + "\r\n" +
         "Reflection Coeff. (Gamma or S11) = " +
         ComplexText(f.gamma, numeric::kSwrReflectionNotation) + "\r\n" +
         "Reflection Coefficent Magnitude (rho) = " + FormatFixed(f.rho, 4) + "\r\n" +
         "Angle of Reflection Coeff. (Gamma Phase) = " + FormatFixed(f.phaseDeg, 1) + "\u00b0" +
         "\r\n" + "Admittance = " + ComplexText(f.admittanceS, numeric::kAdmittanceNotation) + " S";
}

}  // namespace

std::string SwrText(const Outcome<SwrFigures>& outcome) { return TextOf(outcome, FiguresText); }

}  // namespace tolvar::calc::swr
