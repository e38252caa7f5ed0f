#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The on-screen keyboard on the real program in its own Xvfb display, with
# pointer clicks only (xdotool): Form3 and Form23 are answered by clicking
# their boxes and the keyboard's keys, never the physical keyboard; each page
# is right when its forward button, clicked, leads to the next page (its
# window title). The keys' and controls' pixels come from the scenario
# runner's --dump-keyboard, for the window's own size. Also: Xvfb has no
# Arabic layout, so the keyboard comes up by itself without --keyboard.
set -euo pipefail
nizam=$1
runner=$2
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${app:-}" ] && wait "$app" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb 1366x768

"$runner" --dump-defs >"$work/defs.json"
title_of() {
  python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); print(next(s["windowTitle"] for s in d["screens"] if s["name"] == sys.argv[2]))' \
    "$work/defs.json" "$1"
}

# The window's pixel (on the display) of the middle of a control, or of a
# key of a layer, read from the dump of the page with that box clicked.
dump() {  # PAGE BOX: writes $work/PAGE-BOX.json
  "$runner" --dump-keyboard "${WIDTH}x${HEIGHT}" "$1" "$2" >"$work/$1-$2.json" 2>"$work/dump.log" \
    || { echo "no keyboard dump for $1 $2:"; cat "$work/dump.log"; exit 1; }
}
middle() {  # FILE KIND NAME -> "x y" on the display
  python3 - "$1" "$2" "$3" "$X" "$Y" <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))
kind, name, x0, y0 = sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
table = d["controls"] if kind == "control" else d["layers"][kind]
if name not in table:
    sys.exit(f"no {kind} {name!r} in {sys.argv[1]}")
x, y, w, h = table[name]
print(x0 + x + w // 2, y0 + y + h // 2)
EOF
}
click_at() {
  xdotool mousemove $1 $2 sleep 0.05 mousedown 1 sleep 0.05 mouseup 1 sleep 0.15
}
click_control() {  # PAGE BOX CONTROL
  click_at $(middle "$work/$1-$2.json" control "$3")
}
# Clicks the keys of a text, switching to the signs layer where the letters
# lack a character and back where the signs do (the panel comes up on the
# letters): one xdotool command for the whole text.
click_keys() {  # PAGE BOX TEXT
  local file="$work/$1-$2.json"
  python3 - "$file" "$3" "$X" "$Y" >"$work/keys" <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))
x0, y0 = int(sys.argv[3]), int(sys.argv[4])
layer, out = "letters", []
def click(name):
    x, y, w, h = d["layers"][layer][name]
    out.append(f"mousemove {x0 + x + w // 2} {y0 + y + h // 2} sleep 0.05 mousedown 1 sleep 0.05 mouseup 1 sleep 0.1")
for c in sys.argv[2]:
    name = "space" if c == " " else c
    if name not in d["layers"][layer]:
        click("layer")
        layer = "signs" if layer == "letters" else "letters"
    if name not in d["layers"][layer]:
        sys.exit(f"no key for {c!r}")
    click(name)
print(" ".join(out))
EOF
  xdotool $(cat "$work/keys")
}

"$nizam" --page 3 >"$work/nizam.log" 2>&1 &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { echo "no window"; cat "$work/nizam.log"; exit 1; }
sleep 0.5
client_geometry "$win"
echo "window ${WIDTH}x${HEIGHT} at $X,$Y"
title_is "$(title_of Form3)"

# Form3: the two boxes, then the name on the keyboard, a slip put right with backspace.
dump Form3 Text1
click_control Form3 Text1 Check1
click_control Form3 Text1 Check6
click_control Form3 Text1 Text1
click_keys Form3 Text1 "جهاز إنذاز"
click_at $(middle "$work/Form3-Text1.json" letters backspace)
click_keys Form3 Text1 "ر"
click_at $(middle "$work/Form3-Text1.json" letters hide)
click_control Form3 Text1 "Image1(2)"
sleep 0.3
click_control Form3 Text1 "Image1(4)"
title_is "$(title_of Form4)" || { echo "Form3 was not judged right"; cat "$work/nizam.log"; exit 1; }
echo "Form3 answered on the on-screen keyboard"
kill "$app"; wait "$app" 2>/dev/null || true

"$nizam" --page 23 >"$work/nizam.log" 2>&1 &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { echo "no window"; cat "$work/nizam.log"; exit 1; }
sleep 0.5
client_geometry "$win"
title_is "$(title_of Form23)"
for box in Text1 Text2 Text3 Text4; do dump Form23 "$box"; done
click_control Form23 Text1 Check1
click_control Form23 Text1 Check2
# Each box clicked with the panel hidden (it may cover the next one), then typed.
for pair in "Text1:91.18" "Text2:8,82" "Text3:=" "Text4:=(B2*100)/(B2+B3)"; do
  box=${pair%%:*} text=${pair#*:}
  click_control Form23 "$box" "$box"
  click_keys Form23 "$box" "$text"
  hide=$(middle "$work/Form23-$box.json" letters hide)
  click_at $hide
done
click_control Form23 Text1 "Image1(2)"
sleep 0.3
click_control Form23 Text1 "Image1(4)"
title_is "$(title_of Form5)" || { echo "Form23 was not judged right"; cat "$work/nizam.log"; exit 1; }
echo "Form23 answered on the on-screen keyboard"
