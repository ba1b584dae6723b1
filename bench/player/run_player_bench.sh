#!/bin/sh
# Player benchmark: a 1920x1080 30 fps H.264 clip with sound, played by the engine
# player (real time, 30 s), seek latency, and CPU time for 10 s against ffplay on
# the same clip in the same run.
#   bench/player/run_player_bench.sh [build-dir]
set -eu
BUILD=${1:-build}
BENCH="$BUILD/bin/player_bench"
[ -x "$BENCH" ] || cmake --build "$BUILD" --target player_bench -j2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
CLIP="$WORK/clip 1080p30.mp4"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

echo "== making a 35 s 1920x1080 30 fps H.264 + AAC clip"
ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=35 \
  -f lavfi -i sine=frequency=440:sample_rate=48000:duration=35 \
  -c:v libx264 -preset veryfast -b:v 8M -g 60 -pix_fmt yuv420p -c:a aac -ac 2 -shortest "$CLIP"

echo "== playback, 30 s"
"$BENCH" play "$CLIP" 30 960 540

echo "== seek latency"
"$BENCH" seek "$CLIP" 10

echo "== CPU for 10 s of playback"
"$BENCH" cpu "$CLIP" 10
if command -v ffplay >/dev/null 2>&1 && command -v Xvfb >/dev/null 2>&1; then
  # ffplay shows the picture at 960x540 on its own virtual display (the display
  # server's CPU is not counted), sound to the same SDL driver.
  Xvfb :97 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  XPID=$!
  sleep 1
  DISPLAY=:97 /usr/bin/time -f "RESULT ffplay cpu: %U s user + %S s system for 10 s of playback" \
    ffplay -loglevel error -autoexit -t 10 -x 960 -y 540 "$CLIP" 2>&1 | grep RESULT || true
  kill "$XPID" 2>/dev/null || true
else
  echo "ffplay or Xvfb missing: no comparison"
fi
