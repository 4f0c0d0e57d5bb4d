#!/usr/bin/env bash
# Remakes the README's pictures of measured data and sweeps from the real
# program, as a user gets there: on a virtual display with a window manager,
# the sample dipole opened from the command line, its 7.1 MHz used at the
# line, 30 m of RG-58 set with the keyboard and the mouse, the chart and the
# sweep plot opened; then the Match window with the line's load at the radio
# and the plot's Match tab. Needs Xvfb, openbox, xdotool and ImageMagick; a
# dark palette comes from GTK's Adwaita-dark through qt6-gtk-platformtheme.
#   bash scripts/readme-screenshots.sh [build/release/src/app/tolvar]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/src/app/tolvar}
export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1400x900x24 &
xvfb=$!
sleep 1
openbox &
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1

shoot() {  # $1: the picture's name; $2: "dark" for the dark palette
  local theme=()
  if [ "${2:-}" = dark ]; then
    theme=(env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
  fi
  "${theme[@]}" "$program" data/examples/dipole-40m.s1p &
  local tolvar=$!
  sleep 3
  local main measurement
  main=$(xdotool search --name "feed-line calculator" | head -1)
  measurement=$(xdotool search --name "measurement" | head -1)
  xdotool windowmove "$main" 0 30 windowmove "$measurement" 0 740
  sleep 0.5
  # 7.1 MHz, used at the line: the chooser and the button by their access keys.
  xdotool windowactivate --sync "$measurement"
  xdotool key alt+f
  xdotool type "7.100"
  sleep 0.3
  xdotool key alt+n
  sleep 0.3
  # RG-58, three half waves, the bar at 110 quarter degrees: 30.00 m.
  xdotool windowactivate --sync "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  Y=$((Y - 21))  # the geometry counts the title bar in; the layout starts below it
  xdotool mousemove $((X + 100)) $((Y + 575)) click 1
  xdotool key ctrl+a
  xdotool type "RG-58 (generic)"
  xdotool key Tab
  xdotool mousemove $((X + 80)) $((Y + 651)) click 1
  sleep 0.4
  xdotool key 3 Return
  xdotool mousemove $((X + 240)) $((Y + 555)) click 1
  xdotool key Home
  xdotool key --repeat 110 --delay 5 Right
  xdotool key ctrl+shift+g
  sleep 0.7
  xdotool windowactivate --sync "$main" key ctrl+shift+p
  sleep 1
  local chart plot
  chart=$(xdotool search --name "Smith chart" | head -1)
  plot=$(xdotool search --name "sweep" | head -1)
  xdotool windowsize "$chart" 480 480 windowmove "$chart" 700 0
  xdotool windowsize "$plot" 700 400 windowmove "$plot" 700 500
  sleep 1.5
  import -window root -crop 1400x900+0+0 "$1"
  if [ -n "${3:-}" ]; then
    # The match: the dipole at 7.1 MHz carried to the radio through the line.
    xdotool windowactivate --sync "$main" key ctrl+shift+m
    sleep 1
    local match
    match=$(xdotool search --name "match" | head -1)
    xdotool windowsize "$match" 560 460 windowmove "$match" 0 400
    xdotool windowactivate --sync "$match"
    xdotool key alt+r
    xdotool type "57.25"
    xdotool key Tab
    xdotool type -- "-13.85"
    xdotool key alt+m
    xdotool type "7.1"
    sleep 0.5
    xdotool windowactivate --sync "$plot"
    eval "$(xdotool getwindowgeometry --shell "$plot")"
    xdotool mousemove $((X + 25)) $((Y + 12)) click 1  # the first tab; then the last, Match
    xdotool key --repeat 6 --delay 50 Right
    sleep 1.5
    import -window root -crop 1400x900+0+0 "$3"
  fi
  kill "$tolvar"
  sleep 1
}

shoot docs/tolvar-measured.png light docs/tolvar-match.png
shoot docs/tolvar-measured-dark.png dark
