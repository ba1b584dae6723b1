#!/usr/bin/env bash
# Adds N small files (default 1000) through the file list and through the decoder
# alone, and prints both times.   bench/filelist/run.sh [BUILD_DIR] [N]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
count="${2:-1000}"
program="$build/bin/bench_filelist"
[ -x "$program" ] || { echo "build the bench_filelist target first ($program)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"
ffmpeg -y -nostdin -loglevel error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 \
  -f lavfi -i sine=frequency=440:sample_rate=44100:duration=1 -ac 2 -shortest "$work/sample.mp4"
for i in $(seq -w 1 "$count"); do cp "$work/sample.mp4" "$work/files/clip $i.mp4"; done
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" "$work/files"
