#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real nizam on a display of the given size, with no window
# manager or, given "openbox", under openbox, and checks: the window opens with
# the design canvas's proportions, wholly on the display; each page's content
# band fills it (the title page's art, the menu's and an exercise page's
# picture are as large on screen as the band's scale makes them, and wholly
# in the window); it keeps its size from page to page (Form3 has a smaller
# client area than the menu); its title is the program's name and the page's
# title; F11 fills the display, the page's band grows with it and stays whole,
# and F11 again gives the window back its place.
# Pictures of the window are taken with ImageMagick's import; the page's
# extent is what differs from its white margin.
set -euo pipefail
nizam=$1
size=$2
manager=${3:-}
screen_w=${size%x*}
screen_h=${size#*x}
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$manager" ]; then
  command -v "$manager" >/dev/null || { echo "$manager is not installed: skipped"; exit 77; }
fi
start_xvfb "$size"
if [ -n "$manager" ]; then
  "$manager" >"$work/wm.log" 2>&1 &
  wm=$!
  sleep 1
fi

"$nizam" >"$work/nizam.log" 2>&1 &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { echo "no window"; cat "$work/nizam.log"; exit 1; }
sleep 0.5
# A manager frames the window once it is mapped, and the program fits it
# again then, within a second.
[ -z "$manager" ] || sleep 1.5

fail() { echo "$*"; cat "$work/nizam.log"; exit 1; }
geometry() { client_geometry "$win"; }
source "$(dirname "$0")/page_geometry.sh"
band=$title_band
# The page's extent in the window: the box of what is not the white margin,
# as "WIDTH HEIGHT LEFT TOP" in window pixels. The on-screen keyboard's tab,
# at the window's bottom left corner on pages with a text box, is not the
# page: that corner is left out (the page's own edges run past it).
extent() {
  import -window "$win" "$work/window.png"
  convert "$work/window.png" -fill white -draw "rectangle 0,$((HEIGHT * 94 / 100)) $((WIDTH / 5)),$HEIGHT" \
    -fuzz 3% -trim -format '%w %h %X %Y' info: | tr -d '+'
}
# check_picture WHAT PICTURE_WIDTH AT_LEAST: the page's picture spans its
# width at the page's scale (within 3 pixels; at least AT_LEAST times its
# design width) and lies wholly in the window.
check_picture() {
  local what=$1 design=$2 least=$3 w h l t
  sleep 0.5
  read -r w h l t <<<"$(extent)"
  local s expected
  s=$(scale)
  expected=$(awk -v d="$design" -v s="$s" 'BEGIN { printf "%d", d * s + 0.5 }')
  echo "$what: window ${WIDTH}x${HEIGHT}, scale $s, the page ${w}x${h} at $l,$t (its picture ${expected} wide)"
  [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ $((l + w)) -le "$WIDTH" ] && [ $((t + h)) -le "$HEIGHT" ] ||
    fail "$what: the page is not wholly in the window"
  [ $((w - expected)) -le 3 ] && [ $((expected - w)) -le 3 ] || fail "$what: the page is $w wide, not $expected"
  awk -v w="$w" -v d="$design" -v k="$least" 'BEGIN { exit !(w >= k * d) }' ||
    fail "$what: the picture spans $w pixels, less than $least times its design width $design"
}

geometry
echo "display ${size}${manager:+ under $manager}: window ${WIDTH}x${HEIGHT} at ${X},${Y}"
expected_w=1024 expected_h=768
if [ -z "$manager" ]; then
  if [ "$screen_w" -lt 1024 ] || [ "$screen_h" -lt 768 ]; then
    expected_h=$((screen_w * 3 / 4 <= screen_h ? screen_w * 3 / 4 : screen_h))
    expected_w=$((expected_h * 4 / 3))
  fi
  [ "$WIDTH" -eq "$expected_w" ] && [ "$HEIGHT" -eq "$expected_h" ] || fail "expected ${expected_w}x${expected_h}"
else
  # The manager's frame takes its share: the window keeps the proportions.
  [ $((WIDTH * 3 - HEIGHT * 4)) -le 4 ] && [ $((HEIGHT * 4 - WIDTH * 3)) -le 4 ] ||
    fail "the window is ${WIDTH}x${HEIGHT}, not of the design canvas's proportions"
fi
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_w" ] && [ $((Y + HEIGHT)) -le "$screen_h" ] ||
  fail "the window does not lie wholly on the display"
title_is "نظام — دراسة وإنجاز نظام آلي" || fail "wrong title on the title screen"
opened="${WIDTH}x${HEIGHT}+${X}+${Y}"
# On a 1366 x 768 laptop, and larger, the pages are well over their design size.
least_title=1.0 least_page=1.0
if [ "$screen_w" -ge 1366 ] && [ "$screen_h" -ge 768 ]; then least_title=1.5 least_page=1.25; fi
check_picture "the title page" 503 "$least_title"

# Enter (Form2 Image1(2)), then the problem-situation entry of the menu (Form1 Image1(6)).
xdotool mousemove $(at 7567 8647)
sleep 0.3
xdotool click 1
title_is "نظام — القائمة الرئيسية" || fail "the menu did not show"
band=$menu_band
check_picture "the menu" 736 "$least_page"
xdotool mousemove $(at 7867 6307)
sleep 0.3
xdotool click 1
title_is "نظام — وضعية مشكلة" || fail "the problem situation did not show"
band=$form3_band
geometry
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] || fail "the window changed to ${WIDTH}x${HEIGHT}+${X}+${Y} on Form3"
check_picture "Form3" 736 "$least_page"

# F11: the whole display, the band filling it, then back.
xdotool key --window "$win" F11
for _ in $(seq 50); do geometry; [ "$WIDTH" -eq "$screen_w" ] && [ "$HEIGHT" -eq "$screen_h" ] && break; sleep 0.1; done
echo "full screen: ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "${WIDTH}x${HEIGHT}" = "${screen_w}x${screen_h}" ] || fail "F11 did not fill the display"
[ -n "$manager" ] || [ "${X},${Y}" = "0,0" ] || fail "F11 left the window at ${X},${Y}"
check_picture "Form3 in full screen" 736 "$least_page"
xdotool key --window "$win" F11
for _ in $(seq 50); do geometry; [ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] && break; sleep 0.1; done
[ "${WIDTH}x${HEIGHT}+${X}+${Y}" = "$opened" ] || fail "F11 again left the window at ${WIDTH}x${HEIGHT}+${X}+${Y}"
echo "restored: $opened"
