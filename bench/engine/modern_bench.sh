#!/bin/bash
# Times the newer codecs' format keys against H.264 "Normal" on one 30 s 1080p clip,
# with the option strings the builder makes at "Normal" for that size, and prints
# wall time, the ratio to H.264 and the output size.
# Usage: bench/engine/modern_bench.sh BUILD_DIR [WORK_DIR]   (THREADS=2 by default)
set -euo pipefail
BUILD=$(realpath "${1:?usage: modern_bench.sh BUILD_DIR [WORK_DIR]}")
WORK=${2:-$(mktemp -d /tmp/modern-bench.XXXXXX)}
BENCH=$BUILD/bin/engine_bench
THREADS=${THREADS:-2}
[ -x "$BENCH" ] || { echo "build the engine_bench target first" >&2; exit 1; }
mkdir -p "$WORK"/src "$WORK"/out
cd "$WORK"
if [ ! -f src/hd.mp4 ]; then
  echo "making a 1920x1080 30 s H.264+AAC clip..." >&2
  ffmpeg -v error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=30 \
    -f lavfi -i sine=frequency=440:sample_rate=48000:duration=30 \
    -c:v libx264 -preset veryfast -crf 23 -pix_fmt yuv420p -c:a aac -b:a 128k -ac 2 -shortest src/hd.mp4
fi

# key, extension, options exactly as built for a 1920x1080 source at "Normal"
JOBS=(
  "mp4h264|mp4|-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 13824k -ab 128k -ar 44100 -s 1920x1080"
  "mp4hevc|mp4|-ac 2 -vcodec libx265 -vpre veryfast -vb 8640k -acodec aac -ab 128k -ar 44100 -s 1920x1080"
  "webmvp9|webm|-ac 2 -vcodec libvpx-vp9 -vpre veryfast -vb 8640k -acodec libopus -ab 64k -ar 44100 -s 1920x1080"
  "mkvav1|mkv|-ac 2 -vcodec libaom-av1 -vpre veryfast -vb 6912k -acodec libopus -ab 64k -ar 44100 -s 1920x1080"
)
base=""
for job in "${JOBS[@]}"; do
  IFS='|' read -r key ext options <<<"$job"
  out=out/$key.$ext
  rm -f "$out"
  start=$(date +%s.%N)
  "$BENCH" convert "$THREADS" "$options" src/hd.mp4 "$out" >/dev/null 2>&1
  end=$(date +%s.%N)
  wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')
  [ -z "$base" ] && base=$wall
  size=$(stat -c %s "$out")
  codec=$(ffprobe -v error -select_streams v:0 -show_entries stream=codec_name -of csv=p=0 "$out")
  printf "%-8s %-5s %8.2fs  ratio to H.264 %5s  %6.1f MB\n" "$key" "$codec" "$wall" \
    "$(awk -v a="$wall" -v b="$base" 'BEGIN { printf "%.2f", a / b }')" "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')"
done
