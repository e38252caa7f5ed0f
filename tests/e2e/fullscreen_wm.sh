#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen and back under a window manager (openbox) on a 1024 x 600
# display. A normal start gives the window its frame (a title bar on the
# display) and a fitted size; F11 makes it full screen, as the window manager
# knows it; F11 again gives back the same frame, size and place. Started with
# --fullscreen, F11 gives the frame, size and place a normal start gives, and
# F11 twice more gives them back again.
set -euo pipefail
nizam=$1
size=1024x600
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
command -v openbox >/dev/null || { echo "openbox is not installed (tools/install-deps.sh installs it)"; exit 1; }
start_xvfb "$size"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager has taken the display once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }

fail() { echo "$*"; cat "$work/nizam.log"; exit 1; }

# The window as it stands: client geometry, frame extents (left, right,
# top, bottom) and whether the window manager holds it full screen.
state() {
  # The client's place on the display (xwininfo counts the frame a window manager adds).
  client_geometry "$win"
  read -r fl fr ft fb < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',' ; echo 0 0 0 0)
  full=no
  xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && full=yes
  now="${WIDTH}x${HEIGHT}+${X}+${Y} frame ${fl:-0},${fr:-0},${ft:-0},${fb:-0} full ${full}"
}
# Waits up to 5 s for the state to match the pattern.
wait_for() {
  for _ in $(seq 50); do
    state
    # shellcheck disable=SC2053
    [[ "$now" == $1 ]] && return 0
    sleep 0.1
  done
  return 1
}
# A framed window: its title bar has height, lies on the display, and the
# window manager does not hold it full screen.
framed() {
  [ "$full" = no ] && [ "${ft:-0}" -gt 0 ] && [ $((Y - ft)) -ge 0 ] && [ $((X - fl)) -ge 0 ] &&
    [ $((X + WIDTH + fr)) -le 1024 ] && [ $((Y + HEIGHT + fb)) -le 600 ]
}
start() {
  "$nizam" "$@" >"$work/nizam.log" 2>&1 &
  app=$!
  win=$(window_of "$app")
  [ -n "$win" ] || fail "no window"
}
stop() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
}
f11() {
  xdotool key --window "$win" F11
}

# A normal start: framed, fitted, on the display (settled once the refits are done).
start
sleep 1.5
state
echo "normal start: $now"
framed || fail "a normal start is not framed on the display: $now"
normal="${WIDTH}x${HEIGHT}+${X}+${Y}"

f11
wait_for "1024x600+0+0 frame * full yes" || fail "F11 did not make the window full screen: $now"
echo "F11: $now"
f11
wait_for "$normal frame * full no" || fail "F11 again gave $now, not $normal"
sleep 1.5  # the window stays where it was put
state
echo "F11 again: $now"
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$normal" ] && framed || fail "F11 twice left the window at $now, not $normal framed"
stop

# A start in full screen, then F11: the frame and place of a normal start.
start --fullscreen
wait_for "1024x600+0+0 frame * full yes" || fail "--fullscreen did not start full screen: $now"
echo "--fullscreen: $now"
sleep 1
f11
wait_for "$normal frame * full no" || fail "--fullscreen then F11 gave $now, not $normal"
sleep 1.5
state
echo "--fullscreen, F11: $now"
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$normal" ] && framed || fail "--fullscreen then F11 left the window at $now, not $normal framed"
f11
wait_for "1024x600+0+0 frame * full yes" || fail "F11 a second time did not make the window full screen: $now"
f11
wait_for "$normal frame * full no" || fail "F11 a third time gave $now, not $normal"
sleep 1.5
state
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$normal" ] && framed || fail "F11 twice after --fullscreen left the window at $now"
echo "--fullscreen, F11 three times: $now"
stop
