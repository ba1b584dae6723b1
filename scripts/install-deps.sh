#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need (only what is missing),
# and any further packages named as arguments.
#   scripts/install-deps.sh [PACKAGE...]
set -euo pipefail
PACKAGES=(cmake g++ make pkg-config qt6-base-dev
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  libavcodec-extra libsdl2-dev libgtest-dev googletest ffmpeg xvfb xauth libgl-dev
  fonts-dejavu-core
  # file names in any script: fonts with wide coverage (the package recommends them too)
  fonts-noto-core fonts-noto-cjk
  # packaging and the install checks: dependencies from the libraries, desktop entry
  # and AppStream validation, window properties of the started program
  dpkg-dev desktop-file-utils appstream x11-utils
  # the command-line program's batch recipe test and manual page
  parallel help2man python3
  # the JSON Schema check of the command line's --json output
  python3-jsonschema
  # reuses compilations between builds; keeps the house format
  ccache clang-format
  # the desktop notification test's private session bus; the Wayland test's compositor
  # and the program's Wayland platform plugin
  dbus-daemon weston qt6-wayland
  # the translations: lupdate/lrelease, their CMake functions, Qt's own translated
  # buttons and dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
PACKAGES+=("$@")
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
