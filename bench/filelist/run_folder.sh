#!/usr/bin/env bash
# Adds a folder of COUNT small clips (default 10000, in folders of 100) and prints how
# often the window got to repaint and how fast Cancel answered.
#   bench/filelist/run_folder.sh [BUILD_DIR] [COUNT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
count="${2:-10000}"
program="$build/bin/bench_folder"
[ -x "$program" ] || { echo "build the bench_folder target first ($program)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -y -nostdin -loglevel error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 \
  -f lavfi -i sine=frequency=440:sample_rate=44100:duration=1 -ac 2 -shortest "$work/sample.mp4"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" "$work/sample.mp4" "$count"
