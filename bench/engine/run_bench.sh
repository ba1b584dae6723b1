#!/bin/bash
# Times the engine against the ffmpeg command-line tools on the same jobs, side by
# side in one run: wall time and peak memory (/usr/bin/time -v).
# Usage: bench/engine/run_bench.sh BUILD_DIR [WORK_DIR]
# JOBS="small full mp3 probe" (the default) picks the jobs to run.
set -euo pipefail
BUILD=$(realpath "${1:?usage: run_bench.sh BUILD_DIR [WORK_DIR]}")
WORK=${2:-$(mktemp -d /tmp/engine-bench.XXXXXX)}
BENCH=$BUILD/bin/engine_bench
[ -x "$BENCH" ] || { echo "build the engine_bench target first" >&2; exit 1; }
mkdir -p "$WORK"/src "$WORK"/out
cd "$WORK"

# Runs a command under /usr/bin/time; prints "wall_seconds peak_kb".
measure_once() {
  local log
  log=$(mktemp)
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || { cat "$log" >&2; rm -f "$log"; return 1; }
  awk -F': ' '/Elapsed \(wall clock\)/ {n=split($2,t,":"); s=0; for(i=1;i<=n;i++) s=s*60+t[i]; w=s}
              /Maximum resident set size/ {m=$2} END {printf "%.2f %d\n", w, m}' "$log"
  rm -f "$log"
}

# The best of REPS runs (default 3): the shortest wall time resists other load on
# the machine; the peak memory is the largest seen.
REPS=${REPS:-3}
measure() {
  local best_w="" best_m=0 w m
  for _ in $(seq 1 "$REPS"); do
    read -r w m <<<"$(measure_once "$@")"
    if [ -z "$best_w" ] || awk -v a="$w" -v b="$best_w" 'BEGIN { exit !(a < b) }'; then best_w=$w; fi
    [ "$m" -gt "$best_m" ] && best_m=$m
  done
  echo "$best_w $best_m"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

report() {  # name, our "wall kb", their "wall kb"
  read -r ow om <<<"$2"
  read -r fw fm <<<"$3"
  printf "%-34s ours %7.2fs %7d KB | ffmpeg %7.2fs %7d KB | time ratio %s, memory ratio %s\n" \
    "$1" "$ow" "$om" "$fw" "$fm" "$(ratio "$ow" "$fw")" "$(ratio "$om" "$fm")"
}

if [ ! -f src/hd.mp4 ]; then
  echo "making a 1920x1080 30 s H.264+AAC clip..." >&2
  ffmpeg -v error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=30 \
    -f lavfi -i sine=frequency=440:sample_rate=48000:duration=30 \
    -c:v libx264 -preset veryfast -crf 23 -pix_fmt yuv420p -c:a aac -b:a 128k -ac 2 -shortest src/hd.mp4
fi
for i in $(seq 1 8); do
  [ -f src/tone$i.wav ] || ffmpeg -v error -y -f lavfi -i "sine=frequency=$((200 + 50 * i)):sample_rate=44100:duration=60" \
    -ac 2 src/tone$i.wav
done
if [ ! -d src/probe ]; then
  mkdir -p src/probe
  ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -f lavfi -i sine=duration=1 \
    -c:v libx264 -preset ultrafast -c:a aac -shortest src/probe/p.mp4
  for i in $(seq 1 499); do cp src/probe/p.mp4 "src/probe/p $i.mp4"; done
fi

THREADS=$(nproc)
JOBS=${JOBS:-small full mp3 probe}
want() { [[ " $JOBS " == *" $1 "* ]]; }
SMALL="-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -s 640x480"
FULL="-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 13824k -ab 128k -ar 44100 -s 1920x1080"

rm -f out/*
if want small; then
ours=$(measure "$BENCH" convert "$THREADS" "$SMALL" src/hd.mp4 out/ours_small.mp4)
theirs=$(measure ffmpeg -v error -nostdin -y -i src/hd.mp4 -ac 2 -c:v libx264 -preset veryfast -b:v 2048k \
  -c:a aac -b:a 128k -ar 44100 -s 640x480 out/ffmpeg_small.mp4)
report "1080p H.264 -> mp4h264 640x480" "$ours" "$theirs"
fi

if want full; then
ours=$(measure "$BENCH" convert "$THREADS" "$FULL" src/hd.mp4 out/ours_full.mp4)
theirs=$(measure ffmpeg -v error -nostdin -y -i src/hd.mp4 -ac 2 -c:v libx264 -preset veryfast -b:v 13824k \
  -c:a aac -b:a 128k -ar 44100 -s 1920x1080 out/ffmpeg_full.mp4)
report "1080p H.264 -> mp4h264 1920x1080" "$ours" "$theirs"
fi

if want mp3; then
args=()
for i in $(seq 1 8); do args+=("src/tone$i.wav" "out/ours_tone$i.mp3"); done
ours=$(measure "$BENCH" convert 2 "-ac 2 -vn -ab 128k -ar 44100" "${args[@]}")
cat >seq.sh <<'INNER'
for i in $(seq 1 8); do
  ffmpeg -v error -nostdin -y -i src/tone$i.wav -vn -ac 2 -b:a 128k -ar 44100 out/ffmpeg_tone$i.mp3 || exit 1
done
INNER
theirs=$(measure bash seq.sh)
report "8 x 60 s WAV -> mp3, Start(2)" "$ours" "$theirs"
fi

if want probe; then
ours=$(measure "$BENCH" probe src/probe/*.mp4)
cat >probe.sh <<'INNER'
for f in src/probe/*.mp4; do ffprobe -v error -show_format -show_streams "$f" >/dev/null || exit 1; done
INNER
theirs=$(measure bash probe.sh)
report "probe 500 small files" "$ours" "$theirs"
fi
