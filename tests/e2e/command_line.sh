#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real nizam's command line: --help and --version answer without any
# display; with no display (none set, or one nobody serves) it says so in one
# line and ends with status 1, never with Qt's abort; an unknown option, or a
# page --page does not know, is one line and status 2; --worksheets writes its
# PDF file without a display and refuses a bad page list or an unwritable file
# in one line; --fullscreen opens the window over the whole display of a bare
# Xvfb (no window manager), and F11 then gives it its fitted size; --page
# opens the course on that page, by its name or its number.
# The calculator beside it says the same of a missing display, in its own name.
set -euo pipefail
nizam=$1
calc=$(dirname "$nizam")/calc
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Runs nizam with no display at all and the given arguments; sets status,
# and leaves its output in $work/out and $work/err.
headless() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
    timeout 20 "$nizam" "$@" >"$work/out" 2>"$work/err" || status=$?
}
lines() { wc -l <"$1"; }

headless --help
[ "$status" -eq 0 ] || fail "--help ended with status $status: $(cat "$work/err")"
grep -q '^Usage: nizam' "$work/out" || fail "--help prints no usage line"
for option in --fullscreen --page --help --version; do
  grep -q -- "$option" "$work/out" || fail "--help does not list $option"
done
[ ! -s "$work/err" ] || fail "--help wrote to stderr: $(cat "$work/err")"
headless -h
[ "$status" -eq 0 ] && grep -q '^Usage: nizam' "$work/out" || fail "-h is not --help"

headless --version
[ "$status" -eq 0 ] || fail "--version ended with status $status"
grep -qE '^nizam [0-9]+\.[0-9]+' "$work/out" && [ "$(lines "$work/out")" -eq 1 ] ||
  fail "--version printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--version wrote to stderr: $(cat "$work/err")"

# no_display PROGRAM NAME: with no display set, then with one nobody serves,
# the program says so in one line starting with NAME and ends with status 1.
no_display() {
  local program=$1 name=$2
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
    timeout 20 "$program" >"$work/out" 2>"$work/err" || status=$?
  echo "$name, no display: status $status: $(cat "$work/err")"
  [ "$status" -eq 1 ] || fail "$name with no display: the status is $status, not 1"
  [ "$(lines "$work/err")" -eq 1 ] && grep -q "^$name: .*DISPLAY is not set" "$work/err" ||
    fail "$name with no display: stderr holds: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$name with no display: stdout holds: $(cat "$work/out")"
  status=0
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:249 XDG_RUNTIME_DIR="$work" \
    timeout 20 "$program" >"$work/out" 2>"$work/err" || status=$?
  echo "$name, display :249 unserved: status $status: $(cat "$work/err")"
  [ "$status" -eq 1 ] || fail "$name with an unserved display: the status is $status, not 1"
  [ "$(lines "$work/err")" -eq 1 ] && grep -q "^$name: .*:249" "$work/err" ||
    fail "$name with an unserved display: stderr holds: $(cat "$work/err")"
}

no_display "$nizam" nizam
# The calculator, started from the program's folder, says so the same way.
[ -x "$calc" ] || fail "no calculator beside $nizam"
no_display "$calc" calc

# An unknown option, with a display the program can open.
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" timeout 20 "$nizam" --no-such-option \
  >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
[ "$(lines "$work/err")" -eq 1 ] && grep -q -- "--no-such-option" "$work/err" ||
  fail "an unknown option said: $(cat "$work/err")"

# --page names a page the course has, by its name or its number; anything
# else is one line and status 2, before any display is opened.
for page in Form42 0 07 abc Form ""; do
  headless --page "$page"
  [ "$status" -eq 2 ] || fail "--page '$page' ended with status $status, not 2"
  [ "$(lines "$work/err")" -eq 1 ] && grep -q -- "--page" "$work/err" || fail "--page '$page' said: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "--page '$page' wrote to stdout: $(cat "$work/out")"
done
headless --page
[ "$status" -eq 2 ] && [ "$(lines "$work/err")" -eq 1 ] || fail "--page alone ended with status $status: $(cat "$work/err")"
# --keyboard takes on or off; anything else, or nothing, is one line and
# status 2, before any display is opened.
headless --help
grep -q -- "--keyboard on|off" "$work/out" || fail "--help does not list --keyboard on|off"
for value in maybe ON 1 ""; do
  headless --keyboard "$value"
  [ "$status" -eq 2 ] || fail "--keyboard '$value' ended with status $status, not 2"
  [ "$(lines "$work/err")" -eq 1 ] && grep -q -- "--keyboard" "$work/err" || fail "--keyboard '$value' said: $(cat "$work/err")"
done
headless --keyboard
[ "$status" -eq 2 ] && [ "$(lines "$work/err")" -eq 1 ] || fail "--keyboard alone ended with status $status: $(cat "$work/err")"
# Worksheets: written with no display at all, one sheet per page asked (all
# exercise pages by default), and a bad page list or an unwritable file is
# one line and status 2, with no file left behind.
for option in --worksheets --output; do
  headless --help
  grep -q -- "$option" "$work/out" || fail "--help does not list $option"
done
headless --worksheets 5,22-24 --output "$work/some.pdf"
[ "$status" -eq 0 ] || fail "--worksheets 5,22-24 ended with status $status: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "--worksheets wrote to stderr: $(cat "$work/err")"
pages=$(pdfinfo "$work/some.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 4 ] || fail "--worksheets 5,22-24 wrote $pages sheets, not 4"
pdfinfo "$work/some.pdf" | grep -q '^Page size: *842 x 595' || fail "the sheets are not A4 landscape"
headless --worksheets --output "$work/all.pdf"
[ "$status" -eq 0 ] || fail "--worksheets ended with status $status: $(cat "$work/err")"
pages=$(pdfinfo "$work/all.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 33 ] || fail "--worksheets wrote $pages sheets, not the 33 exercise pages"
# bad ARGS...: one line naming the fault on stderr, status 2, no file written.
bad() {
  rm -f "$work/bad.pdf"
  headless "$@"
  [ "$status" -eq 2 ] || fail "nizam $* ended with status $status, not 2"
  [ "$(lines "$work/err")" -eq 1 ] || fail "nizam $* said: $(cat "$work/err")"
  [ ! -s "$work/bad.pdf" ] || fail "nizam $* left a file"
}
bad --worksheets 42 --output "$work/bad.pdf"
grep -q "no page 42" "$work/err" || fail "an unknown page said: $(cat "$work/err")"
bad --worksheets 4 --output "$work/bad.pdf"
grep -q "not an exercise page" "$work/err" || fail "a page without exercise said: $(cat "$work/err")"
for list in 5-x 24-22 5,,6 , 5- -5 "5 6" 1e1; do
  bad --worksheets "$list" --output "$work/bad.pdf"
done
bad --worksheets 5
grep -q -- "--output" "$work/err" || fail "--worksheets without --output said: $(cat "$work/err")"
bad --output "$work/bad.pdf"
bad --worksheets 5 --output "$work/no-such-folder/bad.pdf"
grep -q "no-such-folder" "$work/err" || fail "an unwritable file said: $(cat "$work/err")"

# Full screen from the start, on a display larger than the page.
start_xvfb 1280x1024
XDG_RUNTIME_DIR="$work" "$nizam" --fullscreen >"$work/nizam.log" 2>&1 &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { cat "$work/nizam.log"; fail "no window"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; }  # X, Y, WIDTH, HEIGHT
settled() {  # waits up to 5 s for the window to have the given size
  for _ in $(seq 50); do
    geometry
    [ "${WIDTH}x${HEIGHT}" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
settled 1280x1024 || fail "--fullscreen: the window is ${WIDTH}x${HEIGHT} at ${X},${Y}, not the whole display"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "--fullscreen: the window lies at ${X},${Y}"
echo "full screen: ${WIDTH}x${HEIGHT} at ${X},${Y}"
xdotool mousemove 640 512
xdotool key --window "$win" F11 2>/dev/null
settled 1024x768 || fail "F11 after --fullscreen: the window is ${WIDTH}x${HEIGHT}, not its fitted 1024x768"
echo "after F11: ${WIDTH}x${HEIGHT} at ${X},${Y}"
kill -0 "$app" 2>/dev/null || fail "nizam ended"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=""

# --page: the course opens on that page, named either way.
for page in Form28 28; do
  XDG_RUNTIME_DIR="$work" "$nizam" --page "$page" >"$work/nizam.log" 2>&1 &
  app=$!
  win=$(window_of "$app")
  [ -n "$win" ] || { cat "$work/nizam.log"; fail "--page $page: no window"; }
  title_is "نظام — ترتيب الوظائف" || fail "--page $page did not open on Form28"
  echo "--page $page: $(xdotool getwindowname "$win")"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
done
