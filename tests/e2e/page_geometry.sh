# SPDX-License-Identifier: GPL-3.0-or-later
# Where a page's points lie in the window, for the end-to-end scripts: each
# page's content band fills the window, centred, its proportions kept.
# The functions read X, Y, WIDTH and HEIGHT, the window's client geometry
# (xdotool getwindowgeometry --shell), and `band`, the page's band.

# The content bands the pages are laid out on, in twips (left top width
# height): the title page's art and the exercise pages' picture, each with its
# margin (the core's tests hold the same figures).
title_band="3668 2145 8025 7230"
menu_band="1920 1395 11520 8730"     # the menu, on the exercise pages' picture
form3_band="1920 1260 11520 8730"    # Form3, its picture placed higher
# The page's scale in the window: the band fitted, its proportions kept.
scale() {
  set -- $band
  awk -v w="$WIDTH" -v h="$HEIGHT" -v bw="$3" -v bh="$4" \
    'BEGIN { s = w / (bw / 15); t = h / (bh / 15); printf "%.6f", (s < t ? s : t) }'
}
# A point of the page (twips) in screen pixels: the band centred in the window.
at() {
  set -- $band "$1" "$2"
  awk -v X="$X" -v Y="$Y" -v w="$WIDTH" -v h="$HEIGHT" -v s="$(scale)" -v l="$1" -v t="$2" -v bw="$3" -v bh="$4" \
    -v x="$5" -v y="$6" 'BEGIN {
      ox = int(w / 2 - (l + bw / 2) * s / 15); oy = int(h / 2 - (t + bh / 2) * s / 15)
      printf "%d %d", X + ox + x * s / 15 + 0.5, Y + oy + y * s / 15 + 0.5 }'
}
# A rectangle of the page (twips: left top width height) in window pixels,
# as ImageMagick's geometry WIDTHxHEIGHT+LEFT+TOP.
region() {
  set -- $band "$1" "$2" "$3" "$4"
  awk -v w="$WIDTH" -v h="$HEIGHT" -v s="$(scale)" -v l="$1" -v t="$2" -v bw="$3" -v bh="$4" \
    -v x="$5" -v y="$6" -v rw="$7" -v rh="$8" 'BEGIN {
      ox = int(w / 2 - (l + bw / 2) * s / 15); oy = int(h / 2 - (t + bh / 2) * s / 15)
      printf "%dx%d+%d+%d", rw * s / 15, rh * s / 15, ox + x * s / 15 + 0.5, oy + y * s / 15 + 0.5 }'
}
