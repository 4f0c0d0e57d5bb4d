#include "calc/line/line.h"

#include <cmath>

#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::line {

namespace {

using numeric::FormatFixed;
using numeric::kPi;
using numeric::Square;

// Total loss [dB] of a line with matched loss `matched` [dB] whose load
// reflects `rho`; equals `matched` for rho = 0.
double TotalLoss(double matched, double rho) {
  const double a = std::pow(10.0, matched / 10);
  return 10 * std::log((Square(a) - Square(rho)) / (a * (1 - Square(rho)))) / std::log(10.0);
}

double SwrToRho(double swr) { return (swr - 1) / (swr + 1); }

// What the search finds towards the antenna.
struct AntennaSide {
  double LSWRF;
  double LLOSA;
  bool found;  // the coarse search reached the start point's ratio (CCC > 0)
};

// Finds the antenna-side SWR whose reflected-power ratio, brought back to the
// start point through the matched loss twice, reaches the start point's ratio:
// a coarse search in steps of 1, then one decimal digit at a time to 1e-7.
AntennaSide SearchAntennaSwr(double LSWRL, double LLOSP, double LLOSA, double PRINIZ) {
  // |Gamma| falls by 10^(-ML/20) each way along the line.
  const double back = std::pow(10.0, -LLOSP / 5);
  int CCC = 0;
  double LSWRP = std::floor(LSWRL);
  for (int N = 1; N <= 1000; ++N) {
    const double RHOP = SwrToRho(LSWRP);
    const double PRAR = Square(RHOP);
    const double PRPF = back * PRAR;
    if (PRPF >= PRINIZ) {
      CCC = N;
    }
    if (PRPF == PRINIZ) {
      return {LSWRP, LLOSA, true};
    }
    if (PRPF > PRINIZ) {
      break;
    }
    LSWRP = LSWRP + 1;
  }
  LSWRP = LSWRP - 1;  // the last trial below the start point's ratio
  for (int DF = 1; DF <= 7; ++DF) {
    const double step = std::pow(10.0, -DF);
    for (int N = 1; N <= 10; ++N) {
      const double RHOP = SwrToRho(LSWRP);
      const double PRAR = Square(RHOP);
      const double PRPF = back * PRAR;
      if (PRPF == PRINIZ) {
        return {LSWRP, LLOSA, CCC > 0};
      }
      if (PRPF > PRINIZ) {
        break;
      }
      LSWRP = LSWRP + step;
    }
    LSWRP = LSWRP - step;
  }
  // The total loss again, now with the antenna-side magnitude.
  return {LSWRP, TotalLoss(LLOSP, SwrToRho(LSWRP)), CCC > 0};
}

}  // namespace

StartPoint FindStartPoint(const LineEntries& e, double previousLPHI) {
  numeric::FaultWatch watch;
  StartPoint s{};
  const double LR1 = e.startR / e.zAtStart;
  const double LX1 = e.startX / e.zAtStart;
  if (e.direction == Direction::TowardsTransmitter) {
    s.Shdeg = (e.cycles - 1) * 180 + e.slider / 4.0;
  } else {
    s.Shdeg = (e.slider / 4.0 - 180) - (e.cycles - 1) * 180;
  }
  s.Shgonio = 2 * s.Shdeg;
  s.Lambda = 299.792458 / e.mhz;

  const double LGR = numeric::GammaReFromZ(LR1, LX1);
  const double LGI = numeric::GammaImFromZ(LR1, LX1);
  s.LRHO = numeric::Magnitude(LGR, LGI);
  // A matched start point has no phase; every later use multiplies it by 0.
  s.LPHI = s.LRHO != 0 ? numeric::PhaseFromCos(LGR, s.LRHO) : previousLPHI;
  if (LGI < 0) {
    s.LPHI = -s.LPHI;
  }
  numeric::AngleWrap180(s.LPHI);
  // Moving towards the transmitter turns the phase clockwise by twice the shift.
  double turned = s.LPHI - s.Shgonio;
  s.LPHF = numeric::AngleWrap180(turned);
  s.LSWRL = numeric::SwrFromRho(s.LRHO);
  s.unreliable = s.LSWRL > 25 || e.mhz > 150;
  watch.check();
  return s;
}

LineResult ComputeLine(const LineEntries& e, const StartPoint& s) {
  numeric::FaultWatch watch;
  const bool towardsAntenna = e.direction == Direction::TowardsAntenna;

  // Shift, matched loss and total loss over it.
  const double Shlambda = towardsAntenna ? -s.Shdeg / 360 : s.Shdeg / 360;
  const double Shmet = Shlambda * s.Lambda * e.velocityFactor;
  const double LLOSP = Shmet * e.lossPer100m / 100;
  double LLOSA = TotalLoss(LLOSP, s.LRHO);
  const double PRINIZ = Square(s.LRHO);

  double LSWRF = 0;
  bool found = true;
  if (!towardsAntenna) {
    const double PRF = std::pow(10.0, -LLOSP / 5) * PRINIZ;
    LSWRF = (std::sqrt(PRF) + 1) / (1 - std::sqrt(PRF));
  } else {
    const AntennaSide antenna = SearchAntennaSwr(s.LSWRL, LLOSP, LLOSA, PRINIZ);
    LSWRF = antenna.LSWRF;
    LLOSA = antenna.LLOSA;
    found = antenna.found;
  }
  const double LRHOF = SwrToRho(LSWRF);

  // The far point, first against the line, then against the transmitter.
  const double LGRF = LRHOF * std::cos(s.LPHF * kPi / 180);
  const double LGIF = LRHOF * std::sin(s.LPHF * kPi / 180);
  double LR = numeric::GammaToR(e.lineZ, LGRF, LGIF, e.rtxZ);
  double LX = numeric::GammaToX(e.lineZ, LGRF, LGIF, e.rtxZ);
  const double LGRR = numeric::GammaReFromZ(LR, LX);
  const double LGIR = numeric::GammaImFromZ(LR, LX);
  const double LRHOR = std::sqrt(Square(LGIR) + Square(LGRR));
  const double LSWRR = numeric::SwrFromRho(LRHOR);
  LR = LR * e.rtxZ;
  LX = LX * e.rtxZ;
  // The transmitter side carries more power than the antenna side.
  const double LPWR =
      towardsAntenna ? std::pow(10.0, -LLOSA / 10) * e.power : std::pow(10.0, LLOSA / 10) * e.power;

  const double LTrms = std::pow((Square(LR) + Square(LX)) * LPWR / LR, 0.5);
  const double LI =
      LTrms * std::pow((Square(LR) + Square(LX)) / Square(Square(LR) + Square(LX)), 0.5);
  const double LTp = std::pow(2.0, 0.5) * LTrms;
  const double LTpp = std::pow(2.0, 0.5) * (2 * LTrms);

  // The shift as an angle within the cycle; the slider's ends read 180, not 0.
  const char* Lsign = towardsAntenna ? "-" : "+";
  double Shgoniom = s.Shgonio / 2;
  if (e.slider == 720) {
    Shgoniom = Shgoniom - 0.0000001;
  }
  if (e.slider == 0) {
    Shgoniom = 0.0000001;
  }
  if (towardsAntenna) {
    Shgoniom = 180 - Shgoniom;
  }
  const double shownAngle = Shgoniom - std::floor(Shgoniom / 180) * 180;

  if (LR == 0) {
    LR = 0.000001;
  }
  if (LX == 0) {
    LX = 0.000001;
  }

  // Parallel equivalent, and the stubs of this line that cancel Xp.
  const double Z = e.zNow;
  const double r = LR / Z;
  const double x = LX / Z;
  const double RPAR = (Square(x) + Square(r)) / r;
  const double XPAR = (Square(x) + Square(r)) / x;
  const double StubR = numeric::GammaReFromZ(0, XPAR);
  const double StubX = numeric::GammaImFromZ(0, XPAR);
  const double StubM = numeric::Magnitude(StubR, StubX);
  double StubP = numeric::PhaseFromCos(StubR, StubM);
  if (StubX < 0) {
    StubP = -StubP;
  }
  StubP = -StubP;
  const double StubC = numeric::AngleMod360(180 - StubP);
  const double StubO = numeric::AngleMod360(-StubP);
  const double Stubclosed = StubC / 720 * s.Lambda * e.velocityFactor;
  const double Stubopen = StubO / 720 * s.Lambda * e.velocityFactor;
  watch.check();

  std::string RPstr = "Rp = " + FormatFixed(Z * RPAR, 2) + " ohm";
  std::string XPstr = "Xp = " + FormatFixed(Z * XPAR, 2) + " ohm";
  if (Z * XPAR > 9999) {
    XPstr = "Xp > 9999 ohm";
  }
  if (Z * XPAR < -9999) {
    XPstr = "Xp < -9999 ohm";
  }
  if (Z * RPAR > 9999) {
    RPstr = "Rp > 9999 ohm";
  }
  const std::string Rigastr = RPstr + " " + XPstr + " open-end stub: " + FormatFixed(Stubopen, 2) +
                              "m shorted: " + FormatFixed(Stubclosed, 2) + "m";

  std::string line1 =
      "R = " + FormatFixed(LR, 2) + " ohm  " + "X = " + FormatFixed(LX, 2) + " ohm  ";
  if (e.lineZ != e.rtxZ) {
    line1 += "SWR " + FormatFixed(e.lineZ, 0) + "ohm=" + FormatFixed(LSWRF, 2) + " SWR " +
             FormatFixed(e.rtxZ, 0) + "ohm=" + FormatFixed(LSWRR, 2);
  } else {
    line1 += "SWR = " + FormatFixed(LSWRF, 2);
  }
  const std::string line2 = "V = " + FormatFixed(LTrms, 2) + "Vrms" + " " + FormatFixed(LTp, 2) +
                            "Vp" + " " + FormatFixed(LTpp, 2) + "Vpp" +
                            " I = " + FormatFixed(LI, 2) + "A" + " PWR = " + FormatFixed(LPWR, 2) +
                            "W";
  const std::string line3 = "Shift=" + std::string(Lsign) + FormatFixed(shownAngle, 2) + "\u00b0 " +
                            Lsign + FormatFixed(Shlambda, 3) + " lambda " + FormatFixed(Shmet, 2) +
                            "m" + " loss=" + FormatFixed(LLOSP, 2) + "(ML)+" +
                            FormatFixed(LLOSA - LLOSP, 2) + "(SWRL)=" + FormatFixed(LLOSA, 2) +
                            "dB";

  LineResult result;
  result.complete = found;
  result.text = found ? line1 + "\r\n" + line2 + "\r\n" + line3 + "\r\n" + Rigastr
                      : std::string(kEntrySwrTooHigh);
  result.farPower = LPWR;
  result.lossText = FormatFixed(e.lossPer100m, 1);
  return result;
}

std::optional<std::string> HalfWaveRange(double cycles, double velocityFactor, double mhz) {
  if (mhz == 0) {
    return std::nullopt;
  }
  numeric::FaultWatch watch;
  const double low = (cycles - 1) * velocityFactor * 150 / mhz;
  const double high = cycles * velocityFactor * 150 / mhz;
  watch.check();
  return FormatFixed(low, 2) + " - " + FormatFixed(high, 2) + " mtrs.";
}

}  // namespace tolvar::calc::line
