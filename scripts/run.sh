#!/usr/bin/env bash
# Sets Tolvar up (missing packages, build) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start Tolvar from a desktop session, or on a virtual display with"
  echo "  xvfb-run -a build/release/src/app/tolvar"
  exit 2
fi
exec build/release/src/app/tolvar
