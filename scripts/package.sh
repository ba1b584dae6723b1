#!/usr/bin/env bash
# Builds the Debian package (veltrane-video-converter_VERSION_ARCH.deb) into build-package/
# with Debian's build flags, then checks it with lintian: any error or warning fails.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh lintian
BUILD_DIR="${BUILD_DIR:-build-package}"
# The hardening and optimisation flags Debian builds with (format checks, fortified
# functions, stack protector, PIE, read-only relocations bound at start-up). They replace
# the build type's optimisation level; NDEBUG stays as in any release build.
export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
# Packaged copies leave the question about a new version out: updates come with the package.
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DVELTRANE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DVELTRANE_UPDATE_QUESTION=OFF \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
  -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" -j"${JOBS:-$(nproc)}"
(cd "$BUILD_DIR" && cpack -G DEB)
deb="$(ls -1t "$BUILD_DIR"/*.deb | head -n 1)"
echo "$deb"
lintian --fail-on error,warning "$deb"
