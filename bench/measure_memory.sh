#!/usr/bin/env bash
# Resident memory after start-up of Tolvar and of an empty Qt Widgets window of
# the same size, each run three times for two seconds (on a virtual display when
# there is none). Needs the bench preset built, xvfb-run and /usr/bin/time
# (Debian: xvfb, time, bc).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0"
fi
median_rss() {
  for _ in 1 2 3; do
    { /usr/bin/time -v timeout -s TERM 2 "$1" 2>&1 || true; } | sed -n 's/.*Maximum resident set size (kbytes): //p'
  done | sort -n | sed -n 2p
}
tolvar=$(median_rss build/bench/src/app/tolvar)
empty=$(median_rss build/bench/bench/empty_window)
echo "resident memory after start-up: Tolvar ${tolvar} kB, empty window ${empty} kB," \
  "ratio $(echo "scale=2; ${tolvar} / ${empty}" | bc)"
