#!/usr/bin/env bash
# Sets Tolvar up (missing packages, build) and runs the whole suite: the normal
# build, the same build under a comma locale, the address and undefined-behaviour
# sanitizer build, the plain-value tests in the release optimisation and under
# clang, a soak run of 20,000 random window events, and a short bounded fuzz
# run. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

ctest --preset dev
ctest --preset dev-comma-locale

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset release-checks
cmake --build --preset release-checks
ctest --preset release-checks
bash scripts/soak.sh 20000 1

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
