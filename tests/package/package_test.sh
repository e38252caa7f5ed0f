#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made from a built tree as it is (nothing is rebuilt):
#   package_test.sh BUILD_DIR QML_DIR SOURCE_DIR
# Packs it with cpack, holds it against Debian's checker (lintian: no error,
# no warning), checks its dependencies cover what the installed programs link
# to, the QML modules the animations import and the font packages its fonts
# link into, unpacks it into a scratch root, checks the layout (the command on
# the PATH, the programs' folder with every picture its manifest names, every
# font and animation of the build), that the copyright file gives every file
# its licence and the manual page the options of --help, validates the desktop
# entry and the AppStream file, checks the icons and that the screenshots it
# names are the program's own pictures in docs/shots, and starts the installed
# program from the scratch root under its own Xvfb: its window shows the title
# page, with nothing said on stderr.
set -euo pipefail
build=$(cd "$1" && pwd)
qml_dir=$2
source_dir=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/../e2e/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# 1. The package.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
echo "package $(field Package) $version ($(du -k "$deb" | cut -f1) kB)"
[ "$(field Package)" = nizam ] || fail "package name $(field Package)"
upstream=${version%-*}  # the program's own version, without the package's revision

# Debian's checker: any error or warning fails. A tag the package overrides
# must say why, in a comment of its override file.
lint_status=0
lintian --tag-display-limit 0 --display-info "$deb" >"$work/lintian" 2>"$work/lintian.err" || lint_status=$?
# Informational tags (I:) and their notes (N:) are fine; anything else is
# not, and neither is anything lintian says on stderr but its advice not to
# run as root.
grep -vx 'running with root privileges is not recommended!' "$work/lintian.err" >"$work/lintian.said" || true
if [ "$lint_status" -gt 1 ] || grep -qvE '^(I|N): ' "$work/lintian" || [ -s "$work/lintian.said" ]; then
  cat "$work/lintian" "$work/lintian.said"
  fail "lintian finds errors or warnings (status $lint_status)"
fi
echo "lintian: no error, no warning, $(grep -c '^I: ' "$work/lintian" || true) informational tags"
depends=$(field Depends)
# The package names of a Depends field, one a line.
names() { tr ',' '\n' | sed -E 's/\(.*\)//; s/\|.*//; s/^ +//; s/ +$//' | sed '/^$/d' | sort -u; }
names <<<"$depends" >"$work/depends"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
folder=$root/usr/lib/nizam

# 2. Dependencies: every library the installed programs link to, the display
# plugin and every QML module the animations import come from a package the
# package depends on.
mkdir -p "$work/shlibs/debian"
printf 'Source: nizam\n\nPackage: nizam\nArchitecture: any\n' >"$work/shlibs/debian/control"
elves=()
while IFS= read -r f; do
  file -b "$f" | grep -q '^ELF' && elves+=("$f")
done < <(find "$root" -type f -perm -u+x)
[ ${#elves[@]} -eq 2 ] || fail "expected the two programs as the package's only executables: ${elves[*]}"
(cd "$work/shlibs" && dpkg-shlibdeps -O "${elves[@]/#/-e}" 2>/dev/null) | sed 's/^shlibs:Depends=//' | names >"$work/needed"
needs() {  # package, why
  grep -qx "$1" "$work/depends" || fail "the package does not depend on $1, which provides $2 (Depends: $depends)"
}
while IFS= read -r p; do needs "$p" "a library the programs link to"; done <"$work/needed"
[ -s "$work/needed" ] || fail "dpkg-shlibdeps named no library"
xcb=$(find "$(dirname "$qml_dir")/plugins/platforms" -name 'libqxcb.so' | head -n 1)
[ -n "$xcb" ] || fail "no X11 platform plugin under $(dirname "$qml_dir")/plugins"
needs "$(dpkg -S "$xcb" | cut -d: -f1)" "the X11 display plugin"
mapfile -t scenes < <(find "$folder" -maxdepth 1 -name '*.qml')
[ ${#scenes[@]} -gt 0 ] || fail "no animation in $folder"
for module in $(sed -nE 's/^[[:space:]]*import[[:space:]]+([A-Za-z][A-Za-z0-9_.]*).*/\1/p' "${scenes[@]}" | sort -u); do
  [ "$module" = QtQml ] && continue  # built into the QML library itself
  qmldir=$qml_dir/${module//.//}/qmldir
  [ -f "$qmldir" ] || fail "the animations import $module, which no installed package provides ($qmldir)"
  needs "$(dpkg -S "$qmldir" | cut -d: -f1)" "the QML module $module"
done

# 3. The layout: the command on the PATH leads into the programs' folder,
# which holds all the build's program folder holds.
[ -L "$root/usr/bin/nizam" ] || fail "usr/bin/nizam is not a link"
[ "$(readlink -f "$root/usr/bin/nizam")" = "$(readlink -f "$folder/nizam")" ] ||
  fail "usr/bin/nizam leads to $(readlink "$root/usr/bin/nizam")"
for program in nizam calc; do [ -x "$folder/$program" ] || fail "$program is not in $folder"; done
for f in "$build"/bin/*.qml; do
  rel=${f#"$build"/bin/}
  cmp -s "$f" "$folder/$rel" || fail "$rel is missing from the package or differs from the build's"
done
# Each font of the build is in the package's fonts/ folder: a copy, or a link
# into the files of a font package the package depends on. The scratch root
# is then given those files, as installing the dependencies would.
linked_fonts=0
for f in "$build"/bin/fonts/*.ttf; do
  name=$(basename "$f")
  installed=$folder/fonts/$name
  if [ -L "$installed" ]; then
    link=$(readlink "$installed")
    [[ "$link" == /* ]] && target=$link || target=$(realpath -m "/usr/lib/nizam/fonts/$link")
    [ -f "$target" ] || fail "the font link $name leads to $link, which is no file here"
    cmp -s "$f" "$target" || fail "the font link $name leads to $target, not the font the build drew with"
    needs "$(dpkg -S "$target" | cut -d: -f1)" "the font $name"
    mkdir -p "$root$(dirname "$target")"
    [ -e "$root$target" ] || ln -s "$target" "$root$target"
    linked_fonts=$((linked_fonts + 1))
  else
    cmp -s "$f" "$installed" || fail "the font $name is missing from the package or differs from the build's"
  fi
done
pictures=0
while IFS=$'\t' read -r -a row; do
  [ ${#row[@]} -ge 2 ] || continue
  [[ "${row[0]}" == \#* ]] && continue
  for path in "${row[@]:1}"; do
    [ -f "$folder/assets/$path" ] || fail "the picture $path of ${row[0]} is missing from the package"
    pictures=$((pictures + 1))
  done
done < <(cat "$folder"/assets/manifest/*.tsv)
[ "$pictures" -gt 0 ] || fail "the package's manifest names no picture"
echo "installed: $pictures pictures, $(ls "$folder"/fonts/*.ttf | wc -l) fonts ($linked_fonts linked), ${#scenes[@]} animations"
"$root/usr/bin/nizam" --version | grep -qx "nizam $upstream" || fail "nizam --version does not say $upstream"

# 4. The documents. The copyright file is machine-readable and gives every
# file of the package a licence: the fonts, when the package holds copies,
# their own, never the program's.
doc=$root/usr/share/doc/nizam
[ -f "$doc/copyright" ] || fail "no usr/share/doc/nizam/copyright"
(cd "$root" && find . -type f -printf '%P\n') | python3 -c '
import re, sys
stanzas = [s for s in re.split(r"\n\s*\n", open(sys.argv[1]).read().strip())]
if not stanzas[0].startswith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"):
    sys.exit("the copyright file is not in the machine-readable format")
def field(stanza, name):
    m = re.search(r"^" + name + r":(.*(?:\n[ \t].*)*)", stanza, re.M)
    return m.group(1).split() if m else None
files, defined = [], set()
for stanza in stanzas[1:]:
    patterns, licence = field(stanza, "Files"), field(stanza, "License")
    if licence is None:
        sys.exit("a stanza of the copyright file has no License: " + stanza.splitlines()[0])
    if patterns is None:
        defined.add(licence[0])
    else:
        rx = "|".join(re.escape(p).replace(r"\*", ".*").replace(r"\?", ".") for p in patterns)
        files.append((re.compile("^(?:" + rx + ")$"), licence[0], len(licence) > 1))
bad = []
for path in sys.stdin.read().split():
    licence = None
    for rx, name, _ in files:
        if rx.match(path):
            licence = name  # the last stanza that matches wins
    if licence is None:
        bad.append(path + ": no licence")
    elif path.endswith((".ttf", ".otf")) and licence.startswith("GPL"):
        bad.append(path + ": a font under the program\x27s licence " + licence)
for _, name, has_text in files:
    if name not in defined and not has_text:
        bad.append("the licence " + name + " has no text")
if bad:
    sys.exit("\n".join(bad))
' "$doc/copyright" || fail "the copyright file does not cover the package"
grep -q '/usr/share/common-licenses/GPL-3' "$doc/copyright" || fail "the copyright file does not point at the GPL-3 text"
[ -f "$doc/changelog.Debian.gz" ] || fail "no usr/share/doc/nizam/changelog.Debian.gz"
[ "$(zcat "$doc/changelog.Debian.gz" | head -n 1 | sed -E 's/^nizam \(([^)]*)\).*/\1/')" = "$version" ] ||
  fail "the changelog's latest entry is not of version $version"
# The manual page lists exactly the options --help lists.
man=$root/usr/share/man/man1/nizam.1.gz
[ -f "$man" ] || fail "no manual page nizam(1)"
MANWIDTH=80 man --warnings -l "$man" 2>"$work/man.err" | col -b >"$work/man.txt"
[ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "the manual page does not read cleanly"; }
grep -q "nizam $upstream" "$work/man.txt" || fail "the manual page is not of version $upstream"
options() { grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
# The first column of --help's option lines; the tags of the manual page's
# OPTIONS section (each the line after a .TP).
"$root/usr/bin/nizam" --help | sed -n '/^Options:/,/^$/p' | sed -nE 's/^  (-[^ ,]+(, -[^ ,]+)*).*/\1/p' |
  options >"$work/help-options"
zcat "$man" | awk '/^\.SH/ { section = $2 } section == "OPTIONS" && previous == ".TP" { print } { previous = $0 }' |
  sed 's/\\-/-/g' | options >"$work/man-options"
[ -s "$work/help-options" ] || fail "nizam --help lists no option"
diff "$work/help-options" "$work/man-options" >"$work/options.diff" ||
  { cat "$work/options.diff"; fail "the manual page and nizam --help list different options (< help, > manual)"; }
# An override of a lintian tag says why it is right, in a comment just above it.
overrides=$root/usr/share/lintian/overrides/nizam
if [ -f "$overrides" ]; then
  awk '/^[^#[:space:]]/ && prev !~ /^#/ { print; bad = 1 } { prev = $0 } END { exit bad }' "$overrides" ||
    fail "a lintian override has no comment above it saying why"
fi

# 5. The desktop entry, the AppStream file and the icons.
desktops=("$root"/usr/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "expected one desktop entry"
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream file $id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
grep -q '^Categories=.*Education;' "$desktop" || fail "the desktop entry is not in Education"
[ -n "$(entry 'Name\[ar\]')" ] && [ -n "$(entry 'Comment\[ar\]')" ] && [ -n "$(entry Comment)" ] ||
  fail "the desktop entry lacks an Arabic or English name or comment"
[ -x "$root/usr/bin/$(entry Exec | cut -d' ' -f1)" ] || fail "the desktop entry runs $(entry Exec), not in usr/bin"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the AppStream file launches no $id.desktop"
grep -q "<release version=\"$upstream\"" "$metainfo" || fail "the AppStream file has no release $upstream"
# Each screenshot is one of the pictures the program makes of itself
# (docs/shots/make-shots.scn), of the size the AppStream file gives.
shots=0
while read -r width height name; do
  shot=$source_dir/docs/shots/$name
  [ -f "$shot" ] || fail "the AppStream file shows $name, which docs/shots lacks"
  grep -qE "^shot(-window)? docs/shots/$name\$" "$source_dir/docs/shots/make-shots.scn" ||
    fail "docs/shots/make-shots.scn does not make $name"
  [ "$(identify -format '%wx%h' "$shot")" = "${width}x${height}" ] ||
    fail "$name is $(identify -format '%wx%h' "$shot"), the AppStream file says ${width}x${height}"
  shots=$((shots + 1))
done < <(sed -nE 's|.*<image[^>]* width="([0-9]+)" height="([0-9]+)"[^>]*>[^<]*/([^/<]+)</image>.*|\1 \2 \3|p' "$metainfo")
[ "$shots" -gt 0 ] || fail "the AppStream file shows no screenshot"
icon=$(entry Icon)
[ "$icon" = "$id" ] || fail "the desktop entry's icon $icon is not named $id"
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$png")"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"

# 6. The installed program, from the scratch root, in a display of its own.
start_xvfb 1280x1024
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" "$root/usr/bin/nizam" >"$work/out" 2>"$work/err" &
app=$!
win=$(window_of "$app")
[ -n "$win" ] || { cat "$work/err"; fail "the installed program shows no window"; }
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT
title=""
for _ in $(seq 50); do
  title=$(xdotool getwindowname "$win")
  [ "$title" = "نظام — دراسة وإنجاز نظام آلي" ] && break
  sleep 0.1
done
[ "$title" = "نظام — دراسة وإنجاز نظام آلي" ] || fail "the window's title is '$title'"
# The title page is drawn: its picture, found in the installed folder, is no plain colour.
spread=0
for _ in $(seq 30); do
  sleep 0.2
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/shot.png"
  spread=$(convert "$work/shot.png" -colorspace gray -format '%[fx:standard_deviation]' info:)
  awk "BEGIN{exit !($spread > 0.1)}" && break
done
echo "window ${WIDTH}x${HEIGHT}, title '$title', grey spread $spread"
awk "BEGIN{exit !($spread > 0.1)}" || fail "the installed program's window shows no page"
# The window is the desktop entry's, for the desktop to group it under its icon.
wm_class=$(entry StartupWMClass)
xprop -id "$win" WM_CLASS | grep -q "\"$wm_class\"" ||
  fail "the window's class ($(xprop -id "$win" WM_CLASS)) is not the desktop entry's $wm_class"
kill -0 "$app" 2>/dev/null || fail "the installed program ended"
[ ! -s "$work/err" ] || { cat "$work/err"; fail "the installed program wrote to stderr"; }
