#!/bin/bash
# veltrane-convert against the ffmpeg command-line tool on the same 16 short files,
# side by side in one run, and the start-up time of a dry run over 100 files.
# Usage: bench/cli/run_bench.sh BUILD_DIR [WORK_DIR]      (REPS=N, default 3: best of N)
set -euo pipefail
BUILD=$(realpath "${1:?usage: run_bench.sh BUILD_DIR [WORK_DIR]}")
WORK=${2:-$(mktemp -d /tmp/cli-bench.XXXXXX)}
CONVERT=$BUILD/bin/veltrane-convert
[ -x "$CONVERT" ] || { echo "build the veltrane-convert target first" >&2; exit 1; }
REPS=${REPS:-3}
mkdir -p "$WORK"/audio "$WORK"/video "$WORK"/many "$WORK"/out
cd "$WORK"

# 8 audio files (2 s stereo WAV) and 8 small video files (2 s, 320x240 MPEG-4 + AAC).
for i in $(seq 1 8); do
  [ -f audio/a$i.wav ] || ffmpeg -y -loglevel error -f lavfi -i "sine=frequency=$((200 + 50 * i)):duration=2" \
    -ac 2 -ar 44100 audio/a$i.wav
  [ -f video/v$i.mp4 ] || ffmpeg -y -loglevel error -f lavfi -i "testsrc=size=320x240:rate=25:duration=2" \
    -f lavfi -i "sine=frequency=$((300 + 40 * i)):duration=2" -shortest -c:v mpeg4 -c:a aac video/v$i.mp4
done
# 100 files for the dry run.
for i in $(seq 1 50); do
  ln -f audio/a$(( (i - 1) % 8 + 1 )).wav many/a$i.wav
  ln -f video/v$(( (i - 1) % 8 + 1 )).mp4 many/v$i.mp4
done

# What veltrane-convert sends the engine for these files, as ffmpeg options:
#   mp3 "Normal": -ac 2 -vn -ab 128k -ar 44100
#   mp4 "Normal", 320x240 source: -r 29.97 -ac 2 -vb 512k -ab 128k -ar 44100 -s 320x240
MP3_ARGS="-ac 2 -vn -c:a libmp3lame -b:a 128k -ar 44100"
MP4_ARGS="-r 29.97 -ac 2 -c:v mpeg4 -b:v 512k -c:a aac -b:a 128k -ar 44100 -s 320x240"
export MP3_ARGS MP4_ARGS

ffmpeg_one() {  # source -> out/<base>.<mp3|mp4>
  local src=$1 base
  base=$(basename "${src%.*}")
  case "$src" in
    *.wav) ffmpeg -nostdin -y -loglevel error -i "$src" $MP3_ARGS "out/$base.mp3" ;;
    *) ffmpeg -nostdin -y -loglevel error -i "$src" $MP4_ARGS "out/$base.mp4" ;;
  esac
}
export -f ffmpeg_one

run_ours() {
  "$CONVERT" -j 2 --if-exists overwrite --format mp3 audio/*.wav -o out >/dev/null
  "$CONVERT" -j 2 --if-exists overwrite --format mp4 video/*.mp4 -o out >/dev/null
}
run_xargs() { ls audio/*.wav video/*.mp4 | xargs -P 2 -I{} bash -c 'ffmpeg_one "$1"' _ {}; }
run_serial() { for f in audio/*.wav video/*.mp4; do ffmpeg_one "$f"; done; }

seconds() {  # wall seconds of one run of "$@", outputs cleared first
  rm -f out/*
  local t0 t1
  t0=$(date +%s.%N)
  "$@"
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }'
}

# Interleaved rounds, so passing load on the machine hits every contender alike.
best_ours="" best_xargs="" best_serial="" best_dry=""
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
for _ in $(seq 1 "$REPS"); do
  best_ours=$(min "$best_ours" "$(seconds run_ours)")
  best_xargs=$(min "$best_xargs" "$(seconds run_xargs)")
  best_serial=$(min "$best_serial" "$(seconds run_serial)")
done
# The dry run's wall time, and its processor time (user + system), which other load
# on the machine does not inflate.
best_dry_cpu=""
for _ in $(seq 1 5); do
  read -r wall cpu <<<"$(/usr/bin/time -f '%e %U %S' "$CONVERT" --dry-run --format mp4 many/* -o out 2>&1 >/dev/null |
    awk '{ printf "%.3f %.3f", $1, $2 + $3 }')"
  best_dry=$(min "$best_dry" "$wall")
  best_dry_cpu=$(min "$best_dry_cpu" "$cpu")
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v limit="$2" 'BEGIN { print (r <= limit) ? "ok" : "MISSED" }'; }
r_xargs=$(ratio "$best_ours" "$best_xargs")
r_serial=$(ratio "$best_ours" "$best_serial")
printf 'machine: %s cores, best of %s rounds, work folder %s\n' "$(nproc)" "$REPS" "$WORK"
printf '%-44s %8s s\n' "veltrane-convert -j 2 (16 files, 2 runs)" "$best_ours"
printf '%-44s %8s s\n' "xargs -P 2, one ffmpeg per file" "$best_xargs"
printf '%-44s %8s s\n' "ffmpeg one after another" "$best_serial"
printf 'ratio against xargs -P 2:   %s (target <= 0.90) %s\n' "$r_xargs" "$(verdict "$r_xargs" 0.90)"
printf 'ratio against one by one:   %s (target <= 0.55) %s\n' "$r_serial" "$(verdict "$r_serial" 0.55)"
printf 'dry run over 100 files:     %s s (target < 0.5) %s; processor time %s s\n' \
  "$best_dry" "$(verdict "$best_dry" 0.499)" "$best_dry_cpu"
printf 'load average at the end:    %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
