#include "calc/swr/swr.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::swr {

namespace {

using numeric::FormatFixed;
using numeric::SignText;
using numeric::Square;

// The load's admittance 1 / Z [S], read on the point -Gamma.
struct Admittance {
  double re;
  double im;
};

Admittance AdmittanceOfLoad(const SwrEntries& entries, const Reflection& gamma) {
  const double x0 = entries.x0 / entries.r0;
  const numeric::NormalisedImpedance y = numeric::ImpedanceOfReflection(-gamma.re, -gamma.im);
  double SCAR = y.r / entries.r0;
  double SCAI = y.x / entries.r0;
  if (x0 != 0) {
    // -Gamma gives (1 + jx0) / Z for a complex reference; divide that factor out.
    const double q = 1 + Square(x0);
    const double re = (SCAR + SCAI * x0) / q;
    const double im = (SCAI - SCAR * x0) / q;
    SCAR = re;
    SCAI = im;
  }
  return {SCAR, SCAI};
}

// Gamma's phase in degrees, in (-180, 180].
double PhaseDegrees(const Reflection& gamma) {
  double SCRF = numeric::ArcCos(gamma.re / gamma.magnitude);
  if (gamma.im < 0) {
    SCRF = -SCRF;
  }
  SCRF = SCRF * 180 / numeric::kPi;
  return numeric::AngleWrap180(SCRF);
}

std::string AdmittanceLine(const Admittance& y) {
  return "Admittance = " + FormatFixed(y.re, 3) + " " + SignText(y.im) + " J" +
         FormatFixed(std::fabs(y.im), 3) + " S";
}

}  // namespace

Reflection ReflectionOfLoad(const SwrEntries& entries) {
  // Normalise to R0.
  const double r = entries.r / entries.r0;
  const double x = entries.x / entries.r0;
  const double x0 = entries.x0 / entries.r0;
  const double NumRV = ((Square(r) - Square(1.0)) + Square(x)) - Square(x0);
  const double D = Square(r + 1) + Square(x + x0);
  const double NumXV = (x - x0) * (r + 1) - (x + x0) * (r - 1);
  const double GamR = NumRV / D;
  const double GamX = NumXV / D;
  // A correctly rounded square root keeps GamR / GamM at exactly -1 for a
  // resistive load below R0, so its phase reads 180.0.
  return {GamR, GamX, std::sqrt(Square(GamX) + Square(GamR))};
}

std::string SwrText(const SwrEntries& entries) {
  numeric::FaultWatch watch;
  const Reflection gamma = ReflectionOfLoad(entries);
  const double SWR = (gamma.magnitude + 1) / (1 - gamma.magnitude);  // rho = 1: a fault
  const Admittance admittance = AdmittanceOfLoad(entries, gamma);

  if (!(gamma.magnitude > 0)) {
    watch.check();
    // A matched load has no return loss; the reflected power is 0 and the power
    // check reads the forward power itself.
    if (!(entries.power > 0)) {
      return std::string(kNoForwardPower);
    }
    return "SWR = " + FormatFixed(SWR, 3) + " Ret.Loss = INF. Refl.Pwr. = " + FormatFixed(0, 3) +
           "\r\n" + "Ref.Coef. = " + FormatFixed(std::fabs(gamma.re), 3) + " " +
           SignText(gamma.im) + " i" + FormatFixed(std::fabs(gamma.im), 3) +
           "  Ref.Coef.Magn. = " + FormatFixed(gamma.magnitude, 3);
  }
  const double RetLoss = (std::log(gamma.magnitude) / std::log(10.0)) * (-20);
  const double RefPWR = entries.power / std::pow(10.0, RetLoss / 10);
  const double SCRF = PhaseDegrees(gamma);
  watch.check();
  if (!(RefPWR > 0)) {
    return std::string(kNoForwardPower);
  }
  return "SWR = " + FormatFixed(SWR, 3) + " Ret.Loss = " + FormatFixed(RetLoss, 3) +
         " Refl.Pwr. = " + FormatFixed(RefPWR, 3) + "\r\n" +
         "Reflection Coeff. (Gamma or S11) = " + SignText(gamma.re) +
         FormatFixed(std::fabs(gamma.re), 4) + " " + SignText(gamma.im) + " i" +
         FormatFixed(std::fabs(gamma.im), 4) + "\r\n" +
         "Reflection Coefficent Magnitude (rho) = " + FormatFixed(gamma.magnitude, 4) + "\r\n" +
         "Angle of Reflection Coeff. (Gamma Phase) = " + FormatFixed(SCRF, 1) + "\u00b0" + "\r\n" +
         AdmittanceLine(admittance);
}

}  // namespace tolvar::calc::swr
