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
source "$(dirname "$0")/page_geometry.sh"
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

band=$title_band
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
mean() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:mean]' info:; }

# The enter button's hot-spot Image1(2): twips 7200,8280, 735 x 735.
xdotool mousemove $((X + 10)) $((Y + 10))
sleep 0.3
shot "$work/idle.png"
xdotool mousemove $(at 7567 8647)
# The highlight covers the hot-spot and carries its word: it must differ from idle.
region=$(region 7200 8280 690 825)
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
# The menu's dark top band lies where the title screen shows white: twips 9750,1770.
band=$menu_band
menu_band_at=$(region 9750 1770 1200 300)
dark=1
for _ in $(seq 30); do
  sleep 0.2
  shot "$work/menu.png"
  dark=$(mean "$work/menu.png" "$menu_band_at")
  awk "BEGIN{exit !($dark < 0.35)}" && break
done
echo "menu band brightness: $dark"
awk "BEGIN{exit !($dark < 0.35)}" || { echo "the menu did not show"; exit 1; }

# The close mark Image3: twips 12840,2520, 375 x 375.
xdotool mousemove $(at 13027 2707)
sleep 0.3
xdotool click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "nizam is still running"; exit 1; fi
status=0
wait "$app" || status=$?
app=""
echo "nizam ended with status $status"
[ "$status" -eq 0 ]
