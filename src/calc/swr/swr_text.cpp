#include <cmath>

#include "calc/swr/swr.h"
#include "numeric/format.h"

namespace tolvar::calc::swr {

namespace {

using numeric::FormatFixed;
using numeric::SignText;

std::string MatchedLoadText(const SwrFigures& f) {
  return "SWR = " + FormatFixed(f.swr, 3) + " Ret.Loss = INF. Refl.Pwr. = " + FormatFixed(0, 3) +
         "\r\n" + "Ref.Coef. = " + FormatFixed(std::fabs(f.gamma.re), 3) + " " +
         SignText(f.gamma.im) + " i" + FormatFixed(std::fabs(f.gamma.im), 3) +
         "  Ref.Coef.Magn. = " + FormatFixed(f.rho, 3);
}

}  // namespace

std::string SwrText(const Outcome<SwrFigures>& outcome) {
  const SwrFigures* f = FiguresOf(outcome);
  if (f == nullptr) {
    return std::string(std::get<std::string_view>(outcome));
  }
  if (!f->returnLossDb) {
    return MatchedLoadText(*f);
  }
  return "SWR = " + FormatFixed(f->swr, 3) + " Ret.Loss = " + FormatFixed(*f->returnLossDb, 3) +
         " Refl.Pwr. = " + FormatFixed(f->reflectedPowerW, 3) + "\r\n" +
         "Reflection Coeff. (Gamma or S11) = " + SignText(f->gamma.re) +
         FormatFixed(std::fabs(f->gamma.re), 4) + " " + SignText(f->gamma.im) + " i" +
         FormatFixed(std::fabs(f->gamma.im), 4) + "\r\n" +
         "Reflection Coefficent Magnitude (rho) = " + FormatFixed(f->rho, 4) + "\r\n" +
         "Angle of Reflection Coeff. (Gamma Phase) = " + FormatFixed(f->phaseDeg, 1) + "\u00b0" +
         "\r\n" + "Admittance = " + FormatFixed(f->admittanceS.re, 3) + " " +
         SignText(f->admittanceS.im) + " J" + FormatFixed(std::fabs(f->admittanceS.im), 3) + " S";
}

}  // namespace tolvar::calc::swr
