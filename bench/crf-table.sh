#!/bin/bash
# Constant quality against the automatic bitrate: three generated 1080p sources of 20 s
# (a talking head, high motion, screen content) converted to "MP4 - H264 Video" by
# veltrane-convert with its default settings and with --crf at x264's default (22);
# prints each output's size and its SSIM against the source (ffmpeg's ssim filter).
# Usage: bench/crf-table.sh BUILD_DIR [WORK_DIR]      (SECONDS_LONG=N: other length)
set -euo pipefail
BUILD=$(realpath "${1:?usage: crf-table.sh BUILD_DIR [WORK_DIR]}")
WORK=${2:-$(mktemp -d /tmp/crf-table.XXXXXX)}
CONVERT=$BUILD/bin/veltrane-convert
[ -x "$CONVERT" ] || { echo "build the veltrane-convert target first" >&2; exit 1; }
LENGTH=${SECONDS_LONG:-20}
FONT=$(fc-match -f '%{file}' 'DejaVu Sans Mono' 2>/dev/null || true)
[ -f "$FONT" ] || { echo "the screen-content source needs a font (fonts-dejavu-core)" >&2; exit 1; }
mkdir -p "$WORK"/src "$WORK"/auto "$WORK"/crf
cd "$WORK"

make_source() {  # name filtergraph: the picture as decoded from this file is the SSIM reference
  [ -f "src/$1.mp4" ] || ffmpeg -nostdin -y -loglevel error -f lavfi -i "$2" -t "$LENGTH" -pix_fmt yuv420p \
    -c:v libx264 -preset ultrafast -crf 12 "src/$1.mp4"
}
# Talking head: a still, grainy background; a face-sized area that sways and changes.
make_source talking-head "color=c=0x50607a:s=1920x1080:r=25,noise=alls=6:allf=t[bg];\
testsrc2=s=480x600:r=25,hue=s=0.4[face];[bg][face]overlay=x=720+30*sin(t*1.3):y=240+10*sin(t*2)"
# High motion: the whole picture moves all the time, with grain.
make_source high-motion "testsrc2=s=1920x1080:r=25,scroll=h=0.004:v=0.003,noise=alls=10:allf=t"
# Screen content: text scrolling in a terminal-like window beside a still side bar.
seq 1 400 | sed 's/^/  build step /; s/$/: compiling src\/engine\/convert\/StreamLane.cpp -O2 -Wall -Wextra/' \
  >lines.txt
make_source screen "color=c=0xf2f2f2:s=1920x1080:r=25,drawbox=x=0:y=0:w=360:h=1080:color=0x2b3a55:t=fill,\
drawbox=x=400:y=60:w=1480:h=960:color=0x101010:t=fill,\
drawtext=fontfile=$FONT:textfile=lines.txt:fontsize=26:fontcolor=0x8fe38f:x=430:y=90-t*60:line_spacing=6,\
drawbox=x=400:y=0:w=1480:h=60:color=0xf2f2f2:t=fill,drawbox=x=400:y=1020:w=1480:h=60:color=0xf2f2f2:t=fill"

ssim() {  # output source -> the "All" SSIM
  ffmpeg -nostdin -loglevel info -i "$1" -i "$2" -lavfi ssim -f null - 2>&1 | sed -n 's/.*All:\([0-9.]*\).*/\1/p'
}
size_kb() { echo $(($(stat -c %s "$1") / 1024)); }

"$CONVERT" -q -j 1 --if-exists overwrite --profile "MP4 - H264 Video (*.mp4)" src/*.mp4 -o auto
"$CONVERT" -q -j 1 --if-exists overwrite --profile "MP4 - H264 Video (*.mp4)" --crf 22 src/*.mp4 -o crf
printf '%-14s %14s %10s %14s %10s\n' source "auto size KiB" "auto SSIM" "CRF 22 KiB" "CRF SSIM"
for name in talking-head high-motion screen; do
  printf '%-14s %14s %10s %14s %10s\n' "$name" "$(size_kb auto/$name.mp4)" "$(ssim auto/$name.mp4 src/$name.mp4)" \
    "$(size_kb crf/$name.mp4)" "$(ssim crf/$name.mp4 src/$name.mp4)"
done
echo "(files in $WORK)"
