#include "calc/swr/swr.h"

#include <cmath>

#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::swr {

namespace {

using numeric::FormatFixed;
using numeric::Square;

}  // namespace

std::string SwrText(const SwrEntries& entries) {
  numeric::FaultWatch watch;

  // Normalise to R0.
  const double RR = entries.r0;
  const double r = entries.r / entries.r0;
  const double x = entries.x / entries.r0;
  const double x0 = entries.x0 / entries.r0;

  // Gamma = (Z - Z0) / (Z + Z0), Z0 = 1 + jx0 entering with its own sign in both.
  const double NumRV = ((Square(r) - Square(1.0)) + Square(x)) - Square(x0);
  const double D = Square(r + 1) + Square(x + x0);
  const double NumXV = (x - x0) * (r + 1) - (x + x0) * (r - 1);
  const double GamR = NumRV / D;
  const double GamX = NumXV / D;
  const char* SignX = numeric::SignText(GamX);

  // A correctly rounded square root keeps GamR / GamM at exactly -1 for a
  // resistive load below R0, so its phase reads 180.0.
  const double GamM = std::sqrt(Square(GamX) + Square(GamR));
  const double SWR = (GamM + 1) / (1 - GamM);  // rho = 1 divides by zero: a fault

  // The load's admittance 1 / Z, read on the point -Gamma, in siemens.
  const double GAR = -GamR;
  const double GAI = -GamX;
  const double D2 = ((Square(GAR) + 1) - 2 * GAR) + Square(GAI);
  double SCAR = ((1 - Square(GAR)) - Square(GAI)) / D2 / RR;
  double SCAI = (2 * GAI) / D2 / RR;
  if (x0 != 0) {
    // -Gamma gives (1 + jx0) / Z for a complex reference; divide that factor out.
    const double q = 1 + Square(x0);
    const double re = (SCAR + SCAI * x0) / q;
    const double im = (SCAI - SCAR * x0) / q;
    SCAR = re;
    SCAI = im;
  }
  const char* SignA = numeric::SignText(SCAI);

  std::string text;
  if (GamM > 0) {
    const double RetLoss = (std::log(GamM) / std::log(10.0)) * (-20);
    const double RefPWR = entries.power / std::pow(10.0, RetLoss / 10);
    double SCRF = numeric::ArcCos(GamR / GamM);
    if (GamX < 0) {
      SCRF = -SCRF;
    }
    SCRF = SCRF * 180 / numeric::kPi;
    SCRF = numeric::AngleWrap180(SCRF);
    watch.check();
    if (!(RefPWR > 0)) {
      return kNoForwardPower;
    }
    text = "SWR = " + FormatFixed(SWR, 3) + " Ret.Loss = " + FormatFixed(RetLoss, 3) +
           " Refl.Pwr. = " + FormatFixed(RefPWR, 3) + "\r\n" +
           "Reflection Coeff. (Gamma or S11) = " + numeric::SignText(GamR) +
           FormatFixed(std::fabs(GamR), 4) + " " + SignX + " i" + FormatFixed(std::fabs(GamX), 4) +
           "\r\n" + "Reflection Coefficent Magnitude (rho) = " + FormatFixed(GamM, 4) + "\r\n" +
           "Angle of Reflection Coeff. (Gamma Phase) = " + FormatFixed(SCRF, 1) + "\u00b0" +
           "\r\n" + "Admittance = " + FormatFixed(SCAR, 3) + " " + SignA + " J" +
           FormatFixed(std::fabs(SCAI), 3) + " S";
  } else {
    watch.check();
    // A matched load has no return loss; the reflected power is 0 and the power
    // check reads the forward power itself.
    if (!(entries.power > 0)) {
      return kNoForwardPower;
    }
    text = "SWR = " + FormatFixed(SWR, 3) + " Ret.Loss = INF. Refl.Pwr. = " + FormatFixed(0, 3) +
           "\r\n" + "Ref.Coef. = " + FormatFixed(std::fabs(GamR), 3) + " " + SignX + " i" +
           FormatFixed(std::fabs(GamX), 3) + "  Ref.Coef.Magn. = " + FormatFixed(GamM, 3);
  }
  return text;
}

}  // namespace tolvar::calc::swr
