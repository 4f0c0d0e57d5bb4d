#!/usr/bin/env bash
# Drives the real window with N random user events (default 20000) from a seeded
# generator, in the release build with assertions on, on the offscreen platform,
# and checks after every event what must always hold. Needs the set-up's
# packages (bash scripts/setup.sh). The last line reads
# "N events, K property breaks, slowest T ms"; the exit status is not 0 when K > 0.
#   bash scripts/soak.sh [N] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-20000}
seed=${2:-1}
cmake --preset release-checks > /dev/null
cmake --build --preset release-checks --target tolvar_soak
QT_QPA_PLATFORM=offscreen build/release-checks/tests/soak/tolvar_soak "$events" "$seed"
