#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's own files damaged one at a time: a copy of the program's
# folder in a scratch directory, one picture, animation, font, manifest or
# folder missing, empty, truncated or replaced by garbage, or a scene
# replaced by one whose script never ends (the page's buttons still work). The real desktop
# window (offscreen) then walks the title page and the menu to every topic and back, playing the
# introductions' animations: each walk must still pass (every page shows,
# without the damaged file), and stderr must hold exactly one line more than
# the undamaged walk, naming the damaged file. The undamaged walk, traced,
# must write no file and open no socket.
# Usage: damaged_files.sh BIN_FOLDER SCENARIO...
set -euo pipefail
source "$(dirname "$0")/design_scale.sh"
bin=$1
shift
scenarios=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

pristine="$work/pristine"
mkdir -p "$pristine"
cp -a "$bin/nizam-scenario" "$bin/nizam" "$bin/assets" "$bin/fonts" "$pristine/"
cp -a "$bin"/*.qml "$pristine/"

# Runs the walk in folder $1; leaves its output in $work/out and $work/err.
walk() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
    HOME="$work/home" timeout 120 "$1/nizam-scenario" --host desktop "${scenarios[@]}" \
    >"$work/out" 2>"$work/err" || status=$?
}

walk "$pristine"
[ "$status" -eq 0 ] || fail "the undamaged walk fails: $(cat "$work/out" "$work/err")"
baseline=$(wc -l <"$work/err")

# The same walk under strace: no file created, written, renamed or removed
# (outside /dev and /proc), no directory made, no socket opened, even with
# the title page's animation asking for a picture and a request over the
# network.
command -v strace >/dev/null || fail "strace is not installed (tools/install-deps.sh installs it)"
traced="$work/traced"
cp -a "$pristine" "$traced"
cat >"$traced/demo2.qml" <<'QML'
import QtQuick
import QtQuick.Timeline
Item {
    width: 100; height: 100
    property int duration: 1000
    Image { source: "http://127.0.0.1:9/picture.png" }
    Timeline { enabled: true; startFrame: 0; endFrame: 10 }
    Component.onCompleted: {
        var request = new XMLHttpRequest();
        request.open("GET", "http://127.0.0.1:9/request");
        request.send();
    }
}
QML
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" HOME="$work/home" \
  strace -f -qq -o "$work/trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,socket,connect \
  timeout 120 "$traced/nizam-scenario" --host desktop "${scenarios[@]}" >/dev/null 2>&1 ||
  fail "the traced walk fails"
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink' "$work/trace" |
  grep -v -- '= -1 ' | grep -vE '"/(dev|proc)/' || true)
[ -z "$writes" ] || fail "the walk writes files:"$'\n'"$writes"
sockets=$(grep -E ' (socket|connect)\(' "$work/trace" || true)
[ -z "$sockets" ] || fail "the walk opens sockets:"$'\n'"$sockets"
echo "ok: the traced walk writes no file and opens no socket"

# damage MODE PATH: PATH relative to the program's folder.
damage() {
  local target=$1/$3
  case $2 in
    missing) rm -rf "$target" ;;
    empty) : >"$target" ;;
    truncated) head -c "$(($(stat -c %s "$target") / 2))" "$target" >"$work/half" && mv "$work/half" "$target" ;;
    garbage) head -c 4096 "$1/nizam-scenario" >"$target" ;;
    # A scene whose script never ends as it is made. (One looping later,
    # from a Timer, is left to the player's tests: the walk leaves its pages
    # before a scene's timers fire.)
    endless)
      printf '%s\n' 'import QtQuick' 'import QtQuick.Timeline' 'Item {' '    width: 100; height: 100' \
        '    property int duration: 4000' '    Timeline { startFrame: 0; endFrame: 100 }' \
        '    Component.onCompleted: { while (true) {} }' '}' >"$target"
      ;;
    *) fail "unknown damage $2" ;;
  esac
}

# check MODE PATH NAME: the walk passes with PATH damaged, and says NAME in one line.
check() {
  local mode=$1 path=$2 name=$3
  local app="$work/app"
  rm -rf "$app" "$work/home"
  cp -a "$pristine" "$app"
  damage "$app" "$mode" "$path"
  walk "$app"
  [ "$status" -eq 0 ] || fail "$path $mode: the walk fails: $(cat "$work/out" "$work/err")"
  local lines
  lines=$(wc -l <"$work/err")
  [ "$lines" -eq $((baseline + 1)) ] ||
    fail "$path $mode: $((lines - baseline)) lines instead of one:"$'\n'"$(cat "$work/err")"
  grep -q -- "$name" "$work/err" || fail "$path $mode: no line names $name: $(cat "$work/err")"
  [ ! -e "$work/home" ] || fail "$path $mode: the program wrote under HOME: $(find "$work/home")"
  echo "ok: $path $mode: $(grep -- "$name" "$work/err")"
}

for mode in missing empty truncated garbage; do
  check "$mode" assets/pages/form1/menu.svg pages/form1/menu.svg
  # A page's manifest: one line names it, not one for each of its pictures.
  check "$mode" assets/manifest/form1.tsv form1.tsv
  check "$mode" assets/kit/pointer.svg kit/pointer.svg
  check "$mode" demo2.qml demo2.qml
  check "$mode" mafahim_velmo.qml mafahim_velmo.qml
done
# A scene that runs away is stopped: the page's buttons still work.
check endless demo2.qml demo2.qml
check endless mafahim_velmo.qml mafahim_velmo.qml
for mode in missing empty garbage; do
  check "$mode" fonts/Amiri-Regular.ttf Amiri-Regular.ttf
done
# The title page's picture as the build drew it ahead: damaged, it is passed
# over in one line and the picture rendered from its source. (Missing, it is
# rendered from its source as on every other page, which is nothing to say.)
drawn=$(cd "$pristine" && ls assets/prerendered/Form2_Imagefixe_Picture@*.argb)
for mode in empty truncated garbage; do
  check "$mode" "$drawn" "$(basename "$drawn")"
done
# The real program too: started without a whole folder, it opens its title
# page and keeps running (ended here after three seconds), with one line.
real() {
  local path=$1 name=$2 app="$work/app"
  rm -rf "$app"
  cp -a "$pristine" "$app"
  rm -rf "${app:?}/$path"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" HOME="$work/home" \
    timeout 3 "$app/nizam" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 124 ] || fail "nizam without $path ended with status $status: $(cat "$work/err")"
  [ "$(grep -c '^nizam: ' "$work/err")" -eq 1 ] || fail "nizam without $path: $(cat "$work/err")"
  grep -q -- "$name" "$work/err" || fail "nizam without $path does not name it: $(cat "$work/err")"
  echo "ok: nizam without $path: $(cat "$work/err")"
}

check missing fonts "$work/app/fonts"
check missing assets/manifest "$work/app/assets/manifest"
check missing assets "$work/app/assets"
real fonts "$work/app/fonts"
real assets "$work/app/assets"
echo "every damaged file was told in one line and every walk passed"
