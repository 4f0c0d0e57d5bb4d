#include "calc/line/cable_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "numeric/fault.h"
#include "numeric/format.h"

namespace {

using tolvar::calc::line::Cable;
using tolvar::calc::line::CableCatalogue;

TEST(CableCatalogue, HoldsTheSeventyThreeCablesInBoxOrder) {
  const auto& cables = CableCatalogue();
  ASSERT_EQ(cables.size(), 73U);
  EXPECT_EQ(cables.front().name, "Messi e Paoloni Pota-Flex 6");
  EXPECT_EQ(cables.back().name, "Aircell 7");
}

TEST(CableCatalogue, SampleRowsMatchTheData) {
  struct Row {
    std::size_t index;
    Cable cable;
  };
  const Row rows[] = {
      {0, {"Messi e Paoloni Pota-Flex 6", 500, 870, 264359, 156934, 6047}},
      {15, {"50 ohm ideal lossless line", 500, 670, 0, 0, 0}},
      {16, {"75 ohm ideal lossless line", 750, 670, 0, 0, 0}},
      {17, {"RG-58 (generic)", 500, 660, 82122, 406968, 6640}},
      {18, {"RG-213 (generic)", 500, 660, -10032, 215819, -2889}},
      {41, {"Belden 9857 (RG-63/U)", 1250, 840, 42583, 158715, -1297}},
      {48, {"Belden8268 (RG-214/U)", 500, 660, -1418, 169337, 2080}},
      {56, {"Wireman 551 LL (ice/snow)", 3900, 864, 249429, -164, 89496}},
      {59, {"Wireman 554 Ladder Line(ice/snow)", 3500, 887, -27220, 61547, 91748}},
      {63, {"Cellflex 1 / 4", 500, 830, 6030, 123589, 381}},
      {72, {"Aircell 7", 500, 850, 105257, 166646, 479}},
  };
  for (const Row& row : rows) {
    const Cable& c = CableCatalogue().at(row.index);
    EXPECT_EQ(c.name, row.cable.name) << row.index;
    EXPECT_EQ(c.z, row.cable.z) << row.index;
    EXPECT_EQ(c.vf, row.cable.vf) << row.index;
    EXPECT_EQ(c.k0, row.cable.k0) << row.index;
    EXPECT_EQ(c.k1, row.cable.k1) << row.index;
    EXPECT_EQ(c.k2, row.cable.k2) << row.index;
  }
}

TEST(CableCatalogue, NamesAreTrimmedAndDistinct) {
  std::set<std::string> names;
  for (const Cable& c : CableCatalogue()) {
    EXPECT_FALSE(c.name.empty());
    EXPECT_NE(c.name.front(), ' ');
    EXPECT_NE(c.name.back(), ' ');
    names.emplace(c.name);
  }
  EXPECT_EQ(names.size(), 73U);
}

TEST(CableLookup, IsExactAndCaseSensitive) {
  using tolvar::calc::line::FindCable;
  EXPECT_EQ(FindCable("RG-58 (generic)"), 17);
  EXPECT_EQ(FindCable("rg-58 (generic)"), -1);
  EXPECT_EQ(FindCable("RG-58 (generic) "), -1);
  EXPECT_EQ(FindCable("RG-58"), -1);
  EXPECT_EQ(FindCable("Aircell 7"), 72);
}

TEST(CableLoss, LossModelPerHundredMetres) {
  using tolvar::calc::line::LossDbPer100m;
  const auto& c = CableCatalogue();
  EXPECT_NEAR(LossDbPer100m(c[0], 0), 0.264359 / 0.3048, 1e-12);
  EXPECT_EQ(tolvar::numeric::FormatFixed(LossDbPer100m(c[0], 0), 1), "0.9");
  EXPECT_EQ(tolvar::numeric::FormatFixed(LossDbPer100m(c[0], 14), 1), "3.1");
  EXPECT_EQ(tolvar::numeric::FormatFixed(LossDbPer100m(c[17], 14), 1), "5.6");
  EXPECT_EQ(LossDbPer100m(c[15], 30), 0);
  EXPECT_LT(LossDbPer100m(c[18], 0), 0);  // negative at very low frequencies, kept
  EXPECT_THROW(LossDbPer100m(c[0], -1), tolvar::numeric::ArithmeticFault);
}

}  // namespace
