#!/usr/bin/env bash
# Builds the Debian package (veltrane-video-converter_VERSION_ARCH.deb) into build-package/.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build-package}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DVELTRANE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" -j"${JOBS:-$(nproc)}"
(cd "$BUILD_DIR" && cpack -G DEB)
ls -1 "$BUILD_DIR"/*.deb
