#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the calculator on a bare X display (its own Xvfb, no window
# manager) and checks that it opens maximised and that each way out works
# there: Ctrl+W, Alt+F4 and a click on its close button each end it with
# status 0, while Escape only clears the calculation.
#
# Usage: x11_close_test.sh path/to/calc
set -euo pipefail
calc=${1:?usage: $0 path/to/calc}
for tool in Xvfb xauth xdotool xprop convert import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/install-deps.sh installs it)"; exit 1; }
done

width=1024
height=768
work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -s "$work/calc.log" ]; then echo "--- calc output:"; cat "$work/calc.log"; fi
  exit 1
}

# A display of our own: Xvfb picks a free number and writes it to fd 3 once
# it accepts connections. A cookie keeps out any other program that might
# open a display by the same number, so only our keys and clicks reach it.
# The calculator is started three times: without -noreset the server resets
# when each one leaves, and the next one, started meanwhile, is refused.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$work/xauthority
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number within 10 s"
number=$(head -n 1 "$work/display")
xauth -q add ":$number" MIT-MAGIC-COOKIE-1 "$cookie"
export DISPLAY=:$number
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
source "$(dirname "$0")/../tests/e2e/design_scale.sh"
echo "display $DISPLAY"

# Starts the calculator and waits for its window; sets app and win.
start() {
  "$calc" >"$work/calc.log" 2>&1 &
  app=$!
  win=""
  for _ in $(seq 300); do
    kill -0 "$app" 2>/dev/null || fail "the calculator ended before showing its window"
    win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) || true
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "no calculator window within 30 s"

  # Maximised: it covers the whole screen and says so to the X server.
  local geometry=""
  for _ in $(seq 50); do
    geometry=$(xdotool getwindowgeometry --shell "$win")
    eval "$geometry"  # X, Y, WIDTH, HEIGHT
    [ "$X $Y $WIDTH $HEIGHT" = "0 0 $width $height" ] && break
    sleep 0.1
  done
  [ "$X $Y $WIDTH $HEIGHT" = "0 0 $width $height" ] ||
    fail "the window is at $X,$Y size ${WIDTH}x${HEIGHT}, not the whole ${width}x${height} screen"
  local state
  state=$(xprop -id "$win" _NET_WM_STATE)
  [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] ||
    fail "the window is not marked maximised: $state"

  # With no window manager the keyboard goes where the X focus is: the
  # calculator takes it itself; the pointer rests on it all the same.
  xdotool mousemove $((width / 2)) $((height / 2))
  xdotool windowfocus "$win" 2>/dev/null || true
  sleep 0.3
}

# Waits for the calculator to end and checks it ended well.
expect_closed() {
  local how=$1
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app" 2>/dev/null && fail "the calculator is still running 10 s after $how"
  local status=0
  wait "$app" || status=$?
  app=""
  [ "$status" -eq 0 ] || fail "the calculator ended with status $status after $how"
  echo "ok: $how closes the calculator"
}

# Ctrl+W, after Escape has shown that it clears but does not close.
start
xdotool key 7 plus 5 Escape
sleep 1
kill -0 "$app" 2>/dev/null || fail "Escape closed the calculator; it must only clear"
echo "ok: Escape leaves the calculator open"
xdotool key ctrl+w
expect_closed "Ctrl+W"

start
xdotool key alt+F4
expect_closed "Alt+F4"

# The close button lies in the top left corner, inside the window's 16 px
# margin; it is drawn dark blue on the light window.
start
bx=$((16 + 24))
by=$((16 + 18))
# Under load the first frame may come late: wait for it, within a bound.
dark=0
for _ in $(seq 50); do
  colour=$(import -window root -crop "1x1+$bx+$by" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null) ||
    fail "could not read the screen"
  read -r r g b <<<"$colour"
  if [ "$r" -lt 90 ] && [ "$g" -lt 110 ] && [ "$b" -lt 140 ]; then dark=1; break; fi
  sleep 0.1
done
[ "$dark" -eq 1 ] || fail "no close button at $bx,$by within 5 s (the pixel there is rgb $colour)"
xdotool mousemove "$bx" "$by"
sleep 0.2
xdotool click 1
expect_closed "a click on the close button"

