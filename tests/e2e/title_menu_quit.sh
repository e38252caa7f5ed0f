#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real nizam in its own Xvfb display, moves over the enter button
# and checks its highlight shows in a screenshot, clicks it and checks the
# menu shows, clicks the menu's close mark and checks the program ends with
# status 0.
set -euo pipefail
nizam=$1
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb 1280x1024

"$nizam" >"$work/nizam.log" 2>&1 &
app=$!

win=$(window_of "$app")
[ -n "$win" ] || { echo "no window"; cat "$work/nizam.log"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT

# Design pixels of the window's client area to screen pixels.
at() { echo "$((X + $1)) $((Y + $2))"; }
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
mean() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:mean]' info:; }

# The enter button's hot-spot Image1(2): twips 7200,8280, 735 x 735.
enter_x=$(((7200 + 367) / 15)); enter_y=$(((8280 + 367) / 15))
xdotool mousemove $(at 10 10)
sleep 0.3
shot "$work/idle.png"
xdotool mousemove $(at "$enter_x" "$enter_y")
# The highlight covers 46 x 55 pixels at 480,552 and carries its word: it must differ from idle.
region="46x55+480+552"
diff=0
for _ in $(seq 30); do
  sleep 0.2
  shot "$work/hover.png"
  diff=$(compare -metric AE "$work/idle.png[$region]" "$work/hover.png[$region]" null: 2>&1 || true)
  [ "${diff%% *}" -gt 200 ] && break
done
echo "pixels changed by the highlight: $diff"
[ "${diff%% *}" -gt 200 ] || { echo "the enter highlight did not show"; exit 1; }

xdotool click 1
# The menu's dark top band lies where the title screen shows white: twips 2160,1635.
band=1
for _ in $(seq 30); do
  sleep 0.2
  shot "$work/menu.png"
  band=$(mean "$work/menu.png" "80x20+650+118")
  awk "BEGIN{exit !($band < 0.35)}" && break
done
echo "menu band brightness: $band"
awk "BEGIN{exit !($band < 0.35)}" || { echo "the menu did not show"; exit 1; }

# The close mark Image3: twips 12840,2520, 375 x 375.
xdotool mousemove $(at $(((12840 + 187) / 15)) $(((2520 + 187) / 15)))
sleep 0.3
xdotool click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "nizam is still running"; exit 1; fi
status=0
wait "$app" || status=$?
app=""
echo "nizam ended with status $status"
[ "$status" -eq 0 ]
