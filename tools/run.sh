#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Nizam and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ ! -x build/bin/nizam ]; then
  echo "The window of Nizam comes with the desktop platform; this build has the core only." >&2
  exit 1
fi
exec build/bin/nizam "$@"
