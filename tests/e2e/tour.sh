#!/usr/bin/env bash
# The course end to end: starts the real nizam in its own Xvfb display and
# replays tour.scn on it with real pointer and key events (tour.py).
# TOUR_FILE names another tour file to replay, for a shorter walk.
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
TOUR_WORK=$work python3 "$here/tour.py" "$nizam" "$runner" "${TOUR_FILE:-$here/tour.scn}" || status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$xvfb" 2>/dev/null; then
  echo "Xvfb ended during the tour:"; cat "$work/xvfb.log"
fi
exit "$status"
