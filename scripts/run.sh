#!/usr/bin/env bash
# Sets Tolvar up (missing packages, build) and opens its window, with the
# measurement files given, if any:
#   bash scripts/run.sh [FILE]
set -euo pipefail
# Files named relative to where the command was typed, before moving to the project.
files=()
for file in "$@"; do
  files+=("$(realpath -- "$file")")
done
cd "$(dirname "$0")/.."
bash scripts/setup.sh release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start Tolvar from a desktop session, or on a virtual display with"
  echo "  xvfb-run -a build/release/src/app/tolvar"
  exit 2
fi
exec build/release/src/app/tolvar "${files[@]}"
