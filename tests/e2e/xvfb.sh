# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: starts a private Xvfb display of the given
# size, with no window manager, and exports DISPLAY. Xvfb picks a free display
# number itself (-displayfd) and writes it once it accepts connections; under
# load that can take a while, so it is given up to 30 s before the test fails
# with Xvfb's own words. Needs $work (a scratch folder); call stop_xvfb on exit.

source "$(dirname "${BASH_SOURCE[0]}")/design_scale.sh"

start_xvfb() {
  local size=$1
  : >"$work/display"
  Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp -noreset 9>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  local number=""
  for _ in $(seq 300); do
    number=$(tr -dc '0-9' <"$work/display")
    [ -n "$number" ] && break
    if ! kill -0 "$xvfb" 2>/dev/null; then
      echo "Xvfb ended before it opened a display:"; cat "$work/xvfb.log"; return 1
    fi
    sleep 0.1
  done
  if [ -z "$number" ]; then
    echo "Xvfb opened no display within 30 s:"; cat "$work/xvfb.log"; return 1
  fi
  export DISPLAY=":$number"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  for _ in $(seq 300); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "could not connect to display $DISPLAY within 30 s:"; cat "$work/xvfb.log"; return 1
}

stop_xvfb() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && wait "$xvfb" 2>/dev/null || true
  xvfb=""
}

# The first visible window of a process, once mapped (up to 30 s).
window_of() {
  local pid=$1 win=""
  for _ in $(seq 300); do
    win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "$win"
}

# X, Y, WIDTH, HEIGHT of a window's inside on the display (xwininfo reads the
# position right, also under a manager that reparents the window).
client_geometry() {
  local info
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# Waits up to 5 s for the title of window $win to be the given text; says the
# title it has when it does not come.
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
