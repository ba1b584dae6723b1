#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Veltrane Video Converter is a desktop program and needs a graphical session." >&2
  echo "Run it from a desktop session, or under a virtual X server: xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/bin/veltrane-video-converter
