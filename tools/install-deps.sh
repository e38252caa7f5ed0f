#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Nizam needs to build, run and test, when
# they are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config python3
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-svg-dev qt6-declarative-dev qt6-declarative-dev-tools libqt6quickwidgets6 qt6-qpa-plugins
  qt6-translations-l10n
  qml6-module-qtquick qml6-module-qtquick-timeline qml6-module-qtquick-window
  qml6-module-qtqml-workerscript qml6-module-qtquick-shapes
  libgl-dev libxcb1-dev
  fonts-noto-core fonts-noto-extra fonts-hosny-amiri fonts-dejavu-core
  xvfb xauth x11-utils xdotool imagemagick openbox poppler-utils
  strace
  desktop-file-utils appstream file lintian man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
