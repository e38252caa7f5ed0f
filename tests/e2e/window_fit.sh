#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real nizam on a display of the given size with no window
# manager, and checks: the window opens with the page's proportions, wholly on
# the display; it keeps its size from page to page (Form3 has a smaller client
# area than the menu); its title is the program's name and the page's title;
# F11 fills the display and F11 again gives the window back its place.
set -euo pipefail
nizam=$1
size=$2
screen_w=${size%x*}
screen_h=${size#*x}
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$size"

"$nizam" >"$work/nizam.log" 2>&1 &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { echo "no window"; cat "$work/nizam.log"; exit 1; }
sleep 0.5

fail() { echo "$*"; cat "$work/nizam.log"; exit 1; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; }  # X, Y, WIDTH, HEIGHT
# Waits up to 5 s for the window's title to be the given text.
title_is() {
  local name=""
  for _ in $(seq 50); do
    name=$(xdotool getwindowname "$win")
    [ "$name" = "$1" ] && return 0
    sleep 0.1
  done
  echo "window title: $name"
  return 1
}
# A point of the design canvas (twips) in screen pixels, the page filling the window.
at() { echo "$((X + $1 * WIDTH / 15360)) $((Y + $2 * HEIGHT / 11520))"; }

geometry
echo "display ${size}: window ${WIDTH}x${HEIGHT} at ${X},${Y}"
expected_w=1024 expected_h=768
if [ "$screen_w" -lt 1024 ] || [ "$screen_h" -lt 768 ]; then
  expected_h=$((screen_w * 3 / 4 <= screen_h ? screen_w * 3 / 4 : screen_h))
  expected_w=$((expected_h * 4 / 3))
fi
[ "$WIDTH" -eq "$expected_w" ] && [ "$HEIGHT" -eq "$expected_h" ] || fail "expected ${expected_w}x${expected_h}"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_w" ] && [ $((Y + HEIGHT)) -le "$screen_h" ] ||
  fail "the window does not lie wholly on the display"
title_is "نظام — دراسة وإنجاز نظام آلي" || fail "wrong title on the title screen"
opened="${WIDTH}x${HEIGHT}+${X}+${Y}"

# Enter (Form2 Image1(2)), then the problem-situation entry of the menu (Form1 Image1(6)).
xdotool mousemove $(at 7567 8647)
sleep 0.3
xdotool click 1
title_is "نظام — القائمة الرئيسية" || fail "the menu did not show"
xdotool mousemove $(at 7867 6307)
sleep 0.3
xdotool click 1
title_is "نظام — وضعية مشكلة" || fail "the problem situation did not show"
geometry
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] || fail "the window changed to ${WIDTH}x${HEIGHT}+${X}+${Y} on Form3"

# F11 without a window manager: the whole display, then back.
xdotool key F11
for _ in $(seq 50); do geometry; [ "$WIDTH" -eq "$screen_w" ] && [ "$HEIGHT" -eq "$screen_h" ] && break; sleep 0.1; done
echo "full screen: ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "${screen_w}x${screen_h}+0+0" ] || fail "F11 did not fill the display"
xdotool key F11
for _ in $(seq 50); do geometry; [ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] && break; sleep 0.1; done
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] || fail "F11 again left the window at ${WIDTH}x${HEIGHT}+${X}+${Y}"
echo "restored: $opened"
