#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The course end to end: starts the real nizam in its own Xvfb display and
# replays tour.scn on it with real pointer and key events (tour.py).
# The program runs under strace: the tour fails if it creates, writes,
# renames or removes a file, or opens a socket other than the display's.
# TOUR_FILE names another tour file to replay, for a shorter walk; with
# TOUR_KEYS set it is a tour by keys alone (tour_keys.sh), sent as key events only.
# Usage: tour.sh NIZAM NIZAM_SCENARIO
set -euo pipefail
nizam=$1
runner=$2
here=$(dirname "$0")
work=$(mktemp -d)
source "$here/xvfb.sh"
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb 1280x1024
status=0
mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
# The desktop around the test is kept out, its session bus as its home and
# runtime folders: on a desktop, Qt's accessibility bridge connects to the
# session bus when the window shows, to ask whether a screen reader is on.
# An address where no bus listens makes that connection fail at once, as on
# a machine without a desktop session, and starts no bus of its own.
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/runtime/no-bus" \
XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" TOUR_WORK=$work TOUR_TRACE=$work/trace python3 "$here/tour.py" "$nizam" "$runner" "${TOUR_FILE:-$here/tour.scn}" || status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$xvfb" 2>/dev/null; then
  echo "Xvfb ended during the tour:"; cat "$work/xvfb.log"
fi
exit "$status"
