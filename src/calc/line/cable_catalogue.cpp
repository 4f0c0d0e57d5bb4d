#include "calc/line/cable_catalogue.h"

#include <cmath>

#include "numeric/fault.h"

namespace tolvar::calc::line {

// NOLINTNEXTLINE(readability-function-size): a table of data, one cable a line
const std::array<Cable, kCableCount>& CableCatalogue() {
  // name, Z [0.1 ohm], VF [0.001], K0, K1, K2 [1e-6 dB / 100 ft]
  static constexpr std::array<Cable, kCableCount> kCables{{
      {"Messi e Paoloni Pota-Flex 6", 500, 870, 264359, 156934, 6047},
      {"Messi e Paoloni Pota-Flex 7", 500, 830, 147468, 126285, 3575},
      {"Messi e Paoloni Airborne 10", 500, 870, 102065, 71020, 2545},
      {"Messi e Paoloni Airborne 5", 500, 850, 106367, 327530, -5165},
      {"Messi e Paoloni Broad Pro 50 Comp.", 500, 850, 81561, 83329, 1824},
      {"Messi e Paoloni Extraflex Bury 10", 500, 870, 159456, 71882, 3104},
      {"Messi e Paoloni Extraflex Bury 13", 500, 860, 31308, 80744, 147},
      {"Messi e Paoloni Extraflex Bury 7", 500, 830, 147468, 126285, 3575},
      {"Messi e Paoloni Hyperflex 10", 500, 870, 159456, 71882, 3104},
      {"Messi e Paoloni Hyperflex 10 Sah. FT8", 500, 870, 159456, 71882, 3104},
      {"Messi e Paoloni Hyperflex 13", 500, 860, 31308, 80744, 147},
      {"Messi e Paoloni Hyperflex 5", 500, 870, 264359, 156934, 6047},
      {"Messi e Paoloni Hyperflex 5 Crystal", 500, 870, 264359, 156934, 6047},
      {"Messi e Paoloni Ultraflex 10", 500, 830, 159456, 71882, 3104},
      {"Messi e Paoloni Ultraflex 7", 500, 830, 147468, 126285, 3575},
      {"50 ohm ideal lossless line", 500, 670, 0, 0, 0},
      {"75 ohm ideal lossless line", 750, 670, 0, 0, 0},
      {"RG-58 (generic)", 500, 660, 82122, 406968, 6640},
      {"RG-213 (generic)", 500, 660, -10032, 215819, -2889},
      {"Belden 8215 (RG-6A/U)", 750, 660, 247645, 142035, 10320},
      {"Belden 7915A (RG-6/HDTV)", 750, 830, 104817, 177633, -403},
      {"Belden 9116 (RG-6/CATV)", 750, 830, 149207, 191375, 573},
      {"Belden 8237 (RG-8/U)", 520, 660, 37406, 159964, 2630},
      {"Belden 9251 (RG-8/U)", 520, 660, 37406, 159964, 2630},
      {"Belden 9913 (RG-8/U)", 500, 840, 147917, 109142, 1607},
      {"Belden 9913F7 (RG-8/U)", 520, 850, 223784, 114969, 1265},
      {"Belden 9914 (RG-8/U)", 500, 820, 147917, 109142, 1607},
      {"Belden 9258 (RG-8X)", 500, 820, 38815, 256193, 4993},
      {"Belden 8213 (RG-11/U)", 750, 840, 101413, 96233, 2363},
      {"Belden 8238 (RG-11/U)", 750, 660, 452469, 35617, 11914},
      {"Belden 8261 (RG-11A/U)", 750, 660, 452469, 35617, 11914},
      {"Belden 9212 (RG-11/U)", 750, 660, 452469, 35617, 11914},
      {"Belden 8219 (RG-58A/U)", 540, 760, -18603, 414907, 3695},
      {"Belden 8240 (RG-58A/U)", 520, 660, 131050, 258067, 10883},
      {"Belden 8259 (RG58A/U)", 500, 660, -114606, 510511, 4095},
      {"Belden 8262 (RG-58C/U)", 500, 660, -23779, 416157, 7622},
      {"Belden 9201 (RG-58/U)", 520, 660, 131050, 258067, 10883},
      {"Belden 8212 (RG-59/U)", 750, 780, 270816, 224325, 4859},
      {"Belden 8241 (RG-59/U)", 750, 660, 236867, 266788, 4863},
      {"Belden 8263 (RG-59B/U)", 750, 660, 79989, 318679, 1332},
      {"Belden 9269 (RG-62A/U)", 930, 840, 43991, 254943, 1066},
      {"Belden 9857 (RG-63/U)", 1250, 840, 42583, 158715, -1297},
      {"Belden 83242 (RG-142B/U)", 500, 700, -54600, 351172, 3429},
      {"Belden 7805 (RG-174/U)", 500, 660, 74808, 663679, 2645},
      {"Belden 8216 (RG-174/U)", 500, 660, 2088830, 268260, 36286},
      {"Belden 83265 (RG-178B/U)", 500, 700, 1344658, 1365320, -9979},
      {"Belden 83269 (RG-188A/U)", 500, 695, 1026461, 437629, 28976},
      {"Belden 8267 (RG-213/U)", 500, 660, -1418, 169337, 2080},
      {"Belden8268 (RG-214/U)", 500, 660, -1418, 169337, 2080},
      {"Belden 84303 (RG-303/U)", 500, 700, -84013, 382415, 1599},
      {"Belden 84316 (RG-316/U)", 500, 700, 785394, 510511, 24095},
      {"Belden H155", 500, 800, 43128, 335438, -6238},
      {"Wireman 551 Ladder Line", 4000, 902, 242490, 2681, 3324},
      {"Wireman 552 Ladder Line", 3800, 918, 362854, -8423, 3151},
      {"Wireman 553 Ladder Line", 3950, 902, 15400, 75403, 1102},
      {"Wireman 554 Ladder Line", 3600, 930, 113114, 19800, 3079},
      {"Wireman 551 LL (ice/snow)", 3900, 864, 249429, -164, 89496},
      {"Wireman 552 LL (ice/snow)", 3650, 883, 381820, -10395, 79432},
      {"Wireman 553 LL (ice/snow)", 3800, 869, 15983, 79238, 69948},
      {"Wireman 554 Ladder Line(ice/snow)", 3500, 887, -27220, 61547, 91748},
      {"Generic 300 ohm Tubular", 3000, 800, -293, 92117, 1093},
      {"Generic 450 ohm Window", 4500, 910, 950, 22236, 471},
      {"Generic 600 ohm Open", 6000, 920, 73, 19174, 94},
      {"Cellflex 1 / 4", 500, 830, 6030, 123589, 381},
      {"Cellflex 1 / 2", 500, 870, -4121, 63866, 255},
      {"Cellflex 7 / 8", 500, 900, 558, 34074, 127},
      {"Times LMR-400", 500, 840, -42055, 143224, -1414},
      {"Ecoflex 5", 500, 800, 252448, 162753, 4365},
      {"Ecoflex 7", 500, 850, 539955, -35432, 14511},
      {"Ecoflex 10", 500, 850, -26990, 118366, 16},
      {"Ecoflex 15", 500, 850, -357, 81766, 392},
      {"Aircell 5", 500, 850, -6397, 268659, 417},
      {"Aircell 7", 500, 850, 105257, 166646, 479},
  }};
  return kCables;
}

int FindCable(std::string_view name) {
  const auto& cables = CableCatalogue();
  for (std::size_t n = 0; n < cables.size(); ++n) {
    if (cables[n].name == name) {
      return static_cast<int>(n);
    }
  }
  return -1;
}

double LossDbPer100m(const Cable& cable, double mhz) {
  constexpr double kCoefficientsPerDb = 1e6;  // the coefficients are in millionths of a dB
  constexpr double kMetresPerFoot = 0.3048;
  numeric::FaultWatch watch;
  const double s = std::sqrt(mhz);
  double t = cable.k0 / kCoefficientsPerDb;
  t = t + (cable.k1 * s) / kCoefficientsPerDb;
  t = t + (cable.k2 * mhz) / kCoefficientsPerDb;
  watch.check();
  return t / kMetresPerFoot;  // dB per 100 ft to dB per 100 m
}

}  // namespace tolvar::calc::line
