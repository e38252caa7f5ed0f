#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Nizam and makes its Debian package in
# build/ (nizam_<version>-<revision>_<arch>.deb), which installs with
#   sudo apt install ./build/nizam_<version>-<revision>_<arch>.deb
# The fonts are not copied into it: it depends on Debian's font packages.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIZAM_BUNDLE_FONTS=OFF
cmake --build build -j"$(nproc)"
if [ ! -f build/CPackConfig.cmake ]; then
  echo "The package comes with the desktop platform; this build has the core only." >&2
  exit 1
fi
cd build
cpack -G DEB
