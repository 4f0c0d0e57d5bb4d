#include "calc/measurement/touchstone.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "calc/measurement/touchstone_writer.h"
#include "numeric/rf.h"

namespace {

using namespace tolvar::calc::measurement;
using tolvar::numeric::Complex;
using Values = std::vector<Complex>;
using namespace std::string_literals;

Measurement Read(const std::string& text, int portsFromName) {
  auto result = ReadTouchstone(text, portsFromName);
  if (const auto* fault = std::get_if<ReadFault>(&result)) {
    ADD_FAILURE() << FaultText(*fault);
    return {};
  }
  return std::get<Measurement>(result);
}

void ExpectValues(const Values& actual, const Values& expected, const char* name) {
  ASSERT_EQ(actual.size(), expected.size()) << name;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].re, expected[i].re, 1e-12) << name << "[" << i << "]";
    EXPECT_NEAR(actual[i].im, expected[i].im, 1e-12) << name << "[" << i << "]";
  }
}

void ExpectTwoPort(const Measurement& m, const Values& s11, const Values& s21, const Values& s12,
                   const Values& s22) {
  ExpectValues(m.s11, s11, "s11");
  ExpectValues(m.s21, s21, "s21");
  ExpectValues(m.s12, s12, "s12");
  ExpectValues(m.s22, s22, "s22");
}

// The header of a version-2.x file up to [Network Data], for n ports.
std::string Version2(const std::string& options, int ports, int frequencies,
                     const std::string& more = "", const std::string& version = "2.0") {
  return "[Version] " + version + "\n" + options + "\n[Number of Ports] " + std::to_string(ports) +
         "\n[Number of Frequencies] " + std::to_string(frequencies) + "\n" + more +
         "[Network Data]\n";
}

struct ValidRow {
  const char* feature;
  int portsFromName;
  std::string text;
  double referenceOhm;
  std::vector<double> frequencyHz;
  Values s11;  // a 2-port's S21, S12, S22 are 0.2, 0.3, 0.4 (+ j0) unless said
};

TEST(ReadTouchstone, ReadsEachFeature) {
  const std::string twoPort = "0.2 0 0.3 0 0.4 0";
  const std::vector<ValidRow> kRows = {
      {"RI, MHz",
       1,
       "# MHz S RI R 50\n7.1 0.1 -0.2\n7.2 0 0.5\n",
       50,
       {7.1e6, 7.2e6},
       {{0.1, -0.2}, {0, 0.5}}},
      {"MA in degrees, Hz",
       1,
       "# Hz S MA R 50\n1 0.5 180\n2 2 -45\n",
       50,
       {1, 2},
       {{-0.5, 0}, {1.4142135623730951, -1.4142135623730951}}},
      {"DB, kHz, a 1-port without a name",
       0,
       "# kHz S DB R 50\n1 -20 90\n2 0 0\n",
       50,
       {1e3, 2e3},
       {{0, 0.1}, {1, 0}}},
      {"defaults GHz S MA R 50", 1, "#\n1 0.5 0\n", 50, {1e9}, {{0.5, 0}}},
      {"fields in any order and case", 1, "# ri r 75 s khz\n1 0.1 0.2\n", 75, {1e3}, {{0.1, 0.2}}},
      {"later option lines ignored",
       1,
       "# Hz S RI R 50\n1 0.1 0\n# GHz S MA R 75\n2 0.2 0\n",
       50,
       {1, 2},
       {{0.1, 0}, {0.2, 0}}},
      {"Z and Y 1-port, version 1 normalised",
       1,
       "# Hz Z RI R 50\n1 2 0\n2 1 1\n3 0 0\n",
       50,
       {1, 2, 3},
       {{1.0 / 3, 0}, {0.2, 0.4}, {-1, 0}}},
      {"Y 1-port, version 1 normalised", 1, "# Hz Y RI R 50\n1 0.5 0\n", 50, {1}, {{1.0 / 3, 0}}},
      {"Z 1-port, version 2.0 in ohm",
       0,
       Version2("# Hz Z RI R 50", 1, 1) + "1 100 0\n[End]\n",
       50,
       {1},
       {{1.0 / 3, 0}}},
      {"Y 1-port, version 2.0 in siemens",
       0,
       Version2("# Hz Y RI R 50", 1, 1) + "1 0.01 0\n[End]\n",
       50,
       {1},
       {{1.0 / 3, 0}}},
      {"comments, tabs, CRLF, a byte-order mark, + and exponents",
       1,
       "\xef\xbb\xbf! made by hand \xc2\xb0\r\n#\tMHz S RI R 50 ! options\r\n\r\n"
       "+7.1E+0\t+1e-1 -2.5E-01 ! first\r\n7.2 1e-400 0\r\n",
       50,
       {7.1e6, 7.2e6},
       {{0.1, -0.25}, {0, 0}}},
      {"blanks before the option line and the data",
       1,
       "  \t# Hz S RI R 50\n \t1 0.1 0\n",
       50,
       {1},
       {{0.1, 0}}},
      {"a value below a double's range, however long its digits",
       1,
       "# Hz S RI R 50\n1 0." + std::string(400, '0') + "1e5 1" + std::string(400, '0') + "e-800\n",
       50,
       {1},
       {{0, 0}}},
      {"lone CR line ends",
       1,
       "# Hz S RI R 50\r1 0.1 0\r2 0.2 0\r",
       50,
       {1, 2},
       {{0.1, 0}, {0.2, 0}}},
      {"version 1 2-port: S11 S21 S12 S22",
       2,
       "# Hz S RI R 50\n1 0.1 0 " + twoPort + " \n",
       50,
       {1},
       {{0.1, 0}}},
      {"wrapped 2-port",
       2,
       "# Hz S RI R 50\n1 0.1 0 0.2 0\n  0.3 0\n 0.4 0\n",
       50,
       {1},
       {{0.1, 0}}},
      {"version 1 noise block left out",
       2,
       "# Hz S RI R 50\n1 0.1 0 " + twoPort + "\n2 0.1 0 " + twoPort + "\n1 2.5 0.3 45 0.4\n2 x\n",
       50,
       {1, 2},
       {{0.1, 0}, {0.1, 0}}},
      {"2-port without a name",
       0,
       "# Hz S RI R 50\n1 0.1 0 " + twoPort + "\n",
       50,
       {1},
       {{0.1, 0}}},
      {"version 2.0, 21_12, [Reference] on the next line, noise left out",
       0,
       Version2("# Hz S RI R 50", 2, 1, "[Two-Port Data Order] 21_12\n[Reference]\n 75 75\n") +
           "1 0.1 0 0.2 0\n 0.3 0 0.4 0\n[Noise Data]\n1 2.5 0.3 45 0.4\n[End]\nafter\n",
       75,
       {1},
       {{0.1, 0}}},
      {"version 2.0, lower matrix: S12 = S21, information skipped",
       2,
       "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 2\n[Begin Information]\n[Manufacturer] "
       "x\n[End Information]\n[Number of Frequencies] 1\n[Matrix Format] Lower\n"
       "[Network Data]\n1 0.1 0 0.2 0 0.4 0\n[End]\n",
       50,
       {1},
       {{0.1, 0}}},
  };
  for (const ValidRow& row : kRows) {
    SCOPED_TRACE(row.feature);
    const Measurement m = Read(row.text, row.portsFromName);
    EXPECT_TRUE(m.notes.empty()) << m.notes.front();
    EXPECT_EQ(m.referenceOhm, row.referenceOhm);
    EXPECT_EQ(m.frequencyHz, row.frequencyHz);
    EXPECT_EQ(m.ports, m.s21.empty() ? 1 : 2);
    if (m.ports == 1) {
      ExpectValues(m.s11, row.s11, "s11");
      continue;
    }
    const Values s21(row.s11.size(), {0.2, 0});
    const bool lower = std::string(row.feature).find("lower") != std::string::npos;
    ExpectTwoPort(m, row.s11, s21, Values(row.s11.size(), {lower ? 0.2 : 0.3, 0}),
                  Values(row.s11.size(), {0.4, 0}));
  }
  // [Two-Port Data Order] 12_21 puts S12 before S21.
  const Measurement swapped =
      Read(Version2("# Hz S RI R 50", 2, 1, "[Two-Port Data Order] 12_21\n") +
               "1 0.1 0 0.2 0 0.3 0 0.4 0\n[End]\n",
           2);
  ExpectTwoPort(swapped, {{0.1, 0}}, {{0.3, 0}}, {{0.2, 0}}, {{0.4, 0}});
}

// A repaired file against the file it stands for, written by hand.
struct RepairRow {
  const char* repair;
  int portsFromName;
  std::string text, repaired;
  std::vector<std::string> notes;
};

TEST(ReadTouchstone, RepairsWhatUsersExpectToOpenAndSaysWhat) {
  const std::string ri = "# Hz S RI R 50\n";
  const RepairRow kRows[] = {
      {"sweep segments sharing an end point: its first point kept",
       1,
       "# MHz S RI R 50\n7.0 0.1 0\n7.1 0.2 0\n! segment 2\n7.100 0.3 0\n7.2 0.4 0\n",
       "# MHz S RI R 50\n7.0 0.1 0\n7.1 0.2 0\n7.2 0.4 0\n",
       {"1 repeated frequency kept once"}},
      {"version 2: [Number of Frequencies] counts the points as written",
       0,
       Version2("# Hz S RI R 50", 1, 3) + "1 0.1 0\n2 0.2 0\n2 0.3 0\n[End]\n",
       ri + "1 0.1 0\n2 0.2 0\n",
       {"1 repeated frequency kept once"}},
      {"out of order: sorted stably, then each frequency once",
       1,
       ri + "2 0.1 0\n1 0.2 0\n2 0.3 0\n1 0.4 0\n1 0.5 0\n3 0.6 0\n",
       ri + "1 0.2 0\n2 0.1 0\n3 0.6 0\n",
       {"points sorted by frequency", "2 repeated frequencies kept once"}},
      {"a 2-port's values move with their frequency; agreeing comments say nothing",
       2,
       ri + "2 .21 0 .22 0 .23 0 .24 0\n! Port Impedance50 0 50 0\n1 .11 0 .12 0 .13 0 .14 0\n",
       ri + "1 .11 0 .12 0 .13 0 .14 0\n2 .21 0 .22 0 .23 0 .24 0\n",
       {"points sorted by frequency"}},
      {"minus infinity dB, a simulator's exact zero",
       1,
       "# Hz S DB R 50\n1 -inf 45\n2 -Infinity 0\n3 -20 90\n4 -INF 0\n",
       ri + "1 0 0\n2 0 0\n3 0 0.1\n4 0 0\n",
       {"3 magnitudes of minus infinity dB read as 0"}},
      {"version 2.1 reads a 1-port as 2.0, on its own reference",
       0,
       Version2("# Hz S RI R 50", 1, 1, "[Reference] 75\n", "2.1") + "1 0.1 0\n[End]\n",
       "# Hz S RI R 75\n1 0.1 0\n",
       {}},
      {"Z in ohm with a reference per port goes onto 50 ohm at once",
       0,
       Version2("# Hz Z RI R 50 25", 2, 1, "[Matrix Format] Lower\n", "2.1") +
           "1 100 0 0 0 25 0\n[End]\n",
       ri + "1 0.3333333333333333 0 0 0 0 0 -0.3333333333333333 0\n",
       {"port references of 50 and 25 ohm renormalised to 50 ohm"}},
      {"a simulator's port impedances in comments, other than R",
       1,
       "!Data is not renormalized\n# GHZ S MA\n! Port[1] = WavePort1:1\n1 0.5 180\n"
       "! Gamma  0 6467.1\n! Port Impedance  3.7636646940780E+02 0.0E+00 \n\n2 0.5 90\n"
       "! Port Impedance\t375.60\t0\t\n",
       "# GHz S RI R 50\n1 -0.5 0\n2 0 0.5\n",
       {"the file's comments give port impedances from 375.6 to 376.366 ohm; it is read on "
        "the option line's R 50 ohm, as the format says"}},
      {"an imaginary port impedance touching the word, against [Reference]",
       0,
       Version2("#", 1, 1, "[Reference] 50\n") +
           "1 0.5 0\n! Port Impedance0   29.2404866810169\n[End]\n",
       "# GHz S RI R 50\n1 0.5 0\n",
       {"the file's comments give port impedances of 0 + j29.2405 ohm; it is read on "
        "[Reference] 50 ohm, as the format says"}},
  };
  for (const RepairRow& row : kRows) {
    SCOPED_TRACE(row.repair);
    const Measurement m = Read(row.text, row.portsFromName);
    const Measurement repaired = Read(row.repaired, row.portsFromName);
    EXPECT_EQ(m.notes, row.notes);
    EXPECT_TRUE(repaired.notes.empty());
    EXPECT_EQ(m.ports, repaired.ports);
    EXPECT_EQ(m.referenceOhm, repaired.referenceOhm);
    EXPECT_EQ(m.frequencyHz, repaired.frequencyHz);
    ExpectTwoPort(m, repaired.s11, repaired.s21, repaired.s12, repaired.s22);
  }
}

struct BadRow {
  int portsFromName;
  std::string text;
  const char* message;
};

TEST(ReadTouchstone, RefusesBadFilesWithTheLineAndReason) {
  const std::string s1p = "# Hz S RI R 50\n";
  const std::string v2 = Version2("# Hz S RI R 50", 1, 2);
  const BadRow kRows[] = {
      {2, s1p + "1 0 0 0 0 0 0 0 0\n2 0 0 0 0 0 0\n3 0 0 0 0 0 0 0 0\n",
       "line 3: 9 numbers expected for a 2-port, found 7"},
      {0, s1p + "1 0 0 0 0\n", "line 2: 9 numbers expected for a 2-port, found 5"},
      {1, s1p + "1 0.1 0 0\n", "line 2: 3 numbers expected for a 1-port, found 4"},
      {1, "! no options\n1 0.1 0\n", "line 2: no option line (# ...) before the data"},
      {2, s1p + "1 0 0 0 0\n 0 0 0 O.2\n", "line 3: 'O.2' is not a number"},
      {2, s1p + "1 0 0\n 0 O.2 0 0 0 0\n", "line 3: 'O.2' is not a number"},
      {1, s1p + "1 nan 0\n", "line 2: a number that is not finite"},
      {1, s1p + "1 0 -inf\n", "line 2: a number that is not finite"},
      {1, s1p + "1 1e999 0\n", "line 2: '1e999' is too large for a double"},
      {1, s1p + "1 0.1e310 0\n", "line 2: '0.1e310' is too large for a double"},
      {1, s1p + "-1 0 0\n", "line 2: frequency '-1' is negative"},
      {1, "# GHz S RI R 50\n1e300 0 0\n", "line 2: frequency '1e300' is too large"},
      {1, "# Hz S DB R 50\n1 7000 0\n", "line 2: magnitude '7000' dB is too large"},
      {1, "# Hz Z RI R 50\n1 -1 0\n", "line 2: these Z-parameters give no finite S-parameters"},
      {1, "! only comments\n\n", "the file holds no network data"},
      {1, s1p, "the file holds no network data"},
      {1, s1p + "1 0 0\n2 0\0 0\n"s, "line 3: binary content (byte 0x00), not text"},
      {1, s1p + "1 0 0\x1b\n", "line 2: binary content (byte 0x1b), not text"},
      {1, std::string(kMaxFileBytes + 1, ' '), "the file is larger than 64 MiB"},
      {3, s1p, "3-port data is not supported (1- and 2-port files are)"},
      {1, "# MHz S RI R 50+j10\n",
       "line 1: complex reference impedances are not supported ('50+j10')"},
      {1, "# MHz S RI R 0\n", "line 1: reference resistance '0' is not above 0 ohm"},
      {1, "# MHz S RI R\n", "line 1: a reference resistance expected after R"},
      {1, "# MHz H RI R 50\n", "line 1: H-parameters are not supported (S, Z and Y are)"},
      {1, "# MHz S RI GHz\n", "line 1: 'GHz' repeats a field of the option line"},
      {1, "# THz S RI\n", "line 1: unknown option 'THz' in the option line"},
      {1, s1p + "[Number of Ports] 1\n",
       "line 2: [Number of Ports] needs [Version] 2.0 at the start of the file"},
      {0, "[Version] 2.2\n",
       "line 1: Touchstone version '2.2' is not supported (1, 2.0 and 2.1 are)"},
      {0, "[Version] 2.0\n[Number of Ports] 1\n[Network Data]\n",
       "line 3: no option line (# ...) before [Network Data]"},
      {0, Version2("# Hz S RI R 50", 2, 1),
       "line 5: [Two-Port Data Order] missing before [Network Data]"},
      {2, Version2("# Hz", 1, 1), "line 3: [Number of Ports] is 1, the file name says 2"},
      {0, "[Version] 2.0\n# Hz\n[Number of Ports] 3\n",
       "line 3: 3-port data is not supported (1- and 2-port files are)"},
      {1, "# Hz S DB R 50\n1 +inf 0\n", "line 2: a number that is not finite"},
      {1, "# Hz S DB R 50\n1 -20 -inf\n", "line 2: a number that is not finite"},
      {1, "# Hz S MA R 50\n1 -inf 0\n", "line 2: a number that is not finite"},
      {1, "# Hz S DB R 50\n1 -infinit 0\n", "line 2: '-infinit' is not a number"},
      {1, "# Hz S RI R 50 50.0 25\n",
       "line 1: the option line gives one reference for all ports before version 2.1 ('50' "
       "and '25' differ)"},
      {0, Version2("# Hz S RI R 50 25 75", 2, 1, "[Matrix Format] Lower\n", "2.1"),
       "line 2: the option line gives 3 references for a 2-port (one, or one per port)"},
      {0,
       Version2("# Hz S RI R 50", 2, 1, "[Reference] 50 25\n[Matrix Format] Upper\n") +
           "1 0 0 0 0 3 0\n",
       "line 8: these S-parameters give no finite values on 50 ohm"},
      {0, Version2("# Hz", 1, 2) + "1 0 0\n2 0 0\n2 0 0\n[End]\n",
       "line 9: [Number of Frequencies] is 2, the data has 3"},
      {0, "[Version] 2.1\n# Hz\n[Number of Ports] 2\n[Mixed-Mode Order] D1,2\n",
       "line 4: mixed-mode data ([Mixed-Mode Order]) is not supported"},
      {0, "[Version] 2.0\n# Hz\n[Number of Ports] 2\n[Reference] 50\n[Network Data]\n",
       "line 4: [Reference] expects one resistance per port (2), found 1"},
      {0, "[Version] 2.0\n# Hz\n[Number of Ports] 2\n[Mixed-Mode Order] D1,2\n",
       "line 4: mixed-mode data ([Mixed-Mode Order]) is not supported"},
      {0, "[Version] 2.0\n# Hz\n[Number of Ports] 1\n[Port Names] a\n",
       "line 4: unknown keyword [Port Names]"},
      {0, Version2("# Hz", 1, 1, "[Number of Frequencies] 1\n"),
       "line 5: [Number of Frequencies] appears twice"},
      {0, "[Version] 2.0\n[Version] 2.0\n", "line 2: [Version] appears twice"},
      {0, v2 + "1 0 0\n", "the file ends without [End]"},
      {0, v2 + "1 0 0\n[End]\n", "line 7: [Number of Frequencies] is 2, the data has 1"},
      {0, v2 + "1 0 0\n[Reference] 50\n", "line 7: [Reference] inside [Network Data]"},
  };
  for (const BadRow& row : kRows) {
    SCOPED_TRACE(row.text.substr(0, 200));
    std::feclearexcept(FE_ALL_EXCEPT);
    const auto result = ReadTouchstone(row.text, row.portsFromName);
    ASSERT_TRUE(std::holds_alternative<ReadFault>(result));
    EXPECT_EQ(FaultText(std::get<ReadFault>(result)), row.message);
    // The reader reports its overflows itself and leaves the flags as it found them.
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
  }
}

// One of the example files the program installs.
Measurement ReadExample(const std::string& name) {
  std::ifstream file(TOLVAR_EXAMPLES_DIR "/" + name, std::ios::binary);
  return Read({std::istreambuf_iterator<char>(file), {}}, PortsFromFileName(name));
}

// Figures made once with scikit-rf 0.15.4 (Debian's python3-scikit-rf): Network(file).z and
// .s of the example files; renormalize_s(s, [75, 75], [50, 50]) and renormalize_s(s, [75], [50]);
// z2s(z * 50, 50) for the normalised Z-parameters of version 1; y2s(y, 50) for the
// Y-parameters in siemens of version 2.0.
TEST(ReadTouchstone, AgreesWithScikitRf) {
  const Measurement dipole = ReadExample("dipole-40m.s1p");
  ASSERT_EQ(dipole.frequencyHz.size(), 201U);
  EXPECT_EQ(dipole.frequencyHz[100], 7.1e6);
  const Complex scikitZ[] = {{67.54403879672917, -74.6246892587409},
                             {73.50000002902249, 0},
                             {79.71305304224107, 71.53406923284435}};
  for (std::size_t k = 0; k < 3; ++k) {
    const Complex z = *tolvar::numeric::ImpedanceOf(dipole.s11[100 * k], {dipole.referenceOhm, 0});
    EXPECT_NEAR(z.re, scikitZ[k].re, 1e-9);
    EXPECT_NEAR(z.im, scikitZ[k].im, 1e-9);
  }

  const auto twoPort =
      OnReference(Read("# Hz S RI R 75\n1 0.1 0.2 0.6 -0.4 0.7 -0.3 -0.2 0.1\n", 2), 50);
  ASSERT_TRUE(twoPort);
  EXPECT_EQ(twoPort->referenceOhm, 50);
  ExpectTwoPort(*twoPort, {{0.25413814910870336, 0.27978118262500795}},
                {{0.5607063303658897, -0.4421425172850234}},
                {{0.6672993656270825, -0.35131985826408363}},
                {{-0.04987058043462132, 0.20472889984432194}});
  // Ports on different references, read onto 50 ohm at both: with numpy.complex = complex set
  // before importing skrf, s = [[[0.1+0.2j, 0.7-0.3j], [0.6-0.4j, -0.2+0.1j]]] and
  // renormalize_s(s, [75, 25], [50, 50]), renormalize_s(s, [50, 25], [50, 50]) (power waves;
  // s_def='pseudo' agrees to 5e-16).
  const std::string data = "1 0.1 0.2 0.6 -0.4 0.7 -0.3 -0.2 0.1\n[End]\n";
  const Measurement keyword = Read(
      Version2("# Hz S RI R 50", 2, 1, "[Two-Port Data Order] 21_12\n[Reference] 75 25\n") + data,
      2);
  EXPECT_EQ(keyword.referenceOhm, 50);
  ExpectTwoPort(keyword, {{0.3835706691552482, 0.052678985626276015}},
                {{0.5060367032851586, -0.32305111010434506}},
                {{0.5876248668931163, -0.23816140216890494}},
                {{-0.5509470267889537, 0.14472280535815157}});
  EXPECT_EQ(keyword.notes,
            std::vector<std::string>{"port references of 75 and 25 ohm renormalised to 50 ohm"});
  ExpectTwoPort(
      Read(Version2("# Hz S RI R 50 25", 2, 1, "[Two-Port Data Order] 21_12\n", "2.1") + data, 2),
      {{0.19814634146341442, 0.05931707317073183}}, {{0.5408504550734179, -0.3366518138722295}},
      {{0.6263931290901319, -0.2455902576608888}}, {{-0.5024390243902441, 0.07804878048780498}});

  const auto onePort = OnReference(Read("# Hz S RI R 75\n1 0.3 -0.4\n", 1), 50);
  ASSERT_TRUE(onePort);
  ExpectValues(onePort->s11, {{0.49734513274336284, -0.3398230088495576}}, "s11 on 50 ohm");
  EXPECT_FALSE(OnReference(*onePort, 0));

  ExpectTwoPort(
      Read("# Hz Z RI R 50\n1 1 0.5 0.3 0.1 0.4 -0.2 2 -1\n", 2),
      {{0.03834808259587021, 0.24188790560471976}}, {{0.09144542772861357, 0.03834808259587021}},
      {{0.12979351032448377, -0.05309734513274336}}, {{0.3864306784660767, -0.20353982300884957}});
  ExpectTwoPort(
      Read(Version2("# Hz Y RI R 50", 2, 1, "[Two-Port Data Order] 12_21\n") +
               "1 0.02 0.01 -0.004 0.002 -0.006 -0.001 0.01 -0.005\n[End]\n",
           2),
      {{-0.04148783977110156, -0.24797329518359562}}, {{0.19742489270386265, 0.01525989508822128}},
      {{0.12398664759179784, -0.07629947544110635}}, {{0.32570338578922275, 0.20982355746304246}});
}

// Written files read back to the very numbers, in Touchstone 1.1's port order.
TEST(WriteTouchstone, ReadsBackToTheSameNumbers) {
  struct Row {
    const char* what;
    Measurement written;
    std::string_view comment;
  };
  const double largest = std::numeric_limits<double>::max();
  const Row kRows[] = {
      {"1-port, digits no short decimal holds",
       {1,
        50,
        {1, 7.1e6, 1e8 / 3},
        {{0.1, -1.0 / 3}, {-0.0, 5e-324}, {1e-7, -2.5e21}},
        {},
        {},
        {},
        {}},
       "made by hand"},
      {"2-port, each parameter its own, reference 75",
       {2,
        75,
        {1e3, largest},
        {{0.1, 0.2}, {0.9, -0.9}},
        {{0.3, -0.4}, {1e-300, 0}},
        {{-0.5, 0.6}, {0, -1e-300}},
        {{0.7, 1.0 / 7}, {-1, 1}},
        {}},
       "a comment\nof two lines"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    const Measurement read = Read(WriteTouchstone(row.written, row.comment), row.written.ports);
    EXPECT_EQ(read.ports, row.written.ports);
    EXPECT_EQ(read.referenceOhm, row.written.referenceOhm);
    EXPECT_EQ(read.frequencyHz, row.written.frequencyHz);
    for (const auto part :
         {&Measurement::s11, &Measurement::s21, &Measurement::s12, &Measurement::s22}) {
      EXPECT_EQ(read.*part, row.written.*part);
    }
  }
  EXPECT_EQ(
      WriteTouchstone({2, 50, {2e6}, {{0.1, 0}}, {{0.2, 0}}, {{0.3, 0}}, {{0.4, -0.5}}, {}}, "x"),
      "! x\n# Hz S RI R 50\n2000000 0.1 0 0.2 0 0.3 0 0.4 -0.5\n");
}

TEST(PortsFromFileName, ReadsTheExtension) {
  const std::pair<const char*, int> kRows[] = {{"a.s1p", 1}, {"dir/b.S2P", 2}, {"c.s3p", 3},
                                               {"d.ts", 0},  {"e.s2p.txt", 0}, {"s2p", 0},
                                               {"f.sp", 0},  {"g.s1234p", 0},  {"h.s100p", 100}};
  for (const auto& [name, ports] : kRows) {
    EXPECT_EQ(PortsFromFileName(name), ports) << name;
  }
}

}  // namespace
