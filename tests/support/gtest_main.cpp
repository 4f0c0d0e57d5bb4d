// Runs the plain-value tests the way the program runs: with the C library's
// locale taken from the environment, as Qt sets it at start-up, so that a
// comma locale (LC_ALL=de_DE.UTF-8) would show in any locale-dependent code.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
