#!/usr/bin/env bash
# Sets Tolvar up (missing packages, build) and runs the whole suite. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --preset dev
