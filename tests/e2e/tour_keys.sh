#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole course by keys alone: the pointer tour (tour.scn) turned into the
# keys a pupil without a pointer presses (nizam-scenario --keys-from), checked
# on both of the runner's hosts, then replayed on the real nizam in its own
# Xvfb display with key events only (tour.sh with TOUR_KEYS set): no pointer
# move, press or release is sent.
# Usage: tour_keys.sh NIZAM NIZAM_SCENARIO [--answers-only]
set -euo pipefail
nizam=$1
runner=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$runner" --keys-from "$here/tour.scn" > "$work/tour_keys.scn"
if grep -Eq '^[[:space:]]*(click|drag|move|doubleclick)[[:space:]]' "$work/tour_keys.scn"; then
  echo "the keys tour holds a pointer step"; exit 1
fi
"$runner" --host headless "$work/tour_keys.scn"
"$runner" --host desktop "$work/tour_keys.scn"
[ "${3:-}" = "--answers-only" ] && exit 0
TOUR_KEYS=1 TOUR_FILE="$work/tour_keys.scn" "$here/tour.sh" "$nizam" "$runner"
