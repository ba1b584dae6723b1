#!/usr/bin/env bash
# Installs the program into a temporary prefix, checks the installed tree (files, desktop
# entry, AppStream data), then starts the installed program on a virtual screen and
# checks that it found its resources there (its window carries the program's icon).
#   check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
app=com.veltranesoftware.VideoConverter
share="$prefix/share"
for f in bin/veltrane-video-converter \
         share/veltrane-video-converter/veltrane.png share/veltrane-video-converter/skin.qss \
         share/veltrane-video-converter/about.png share/veltrane-video-converter/help/index.html \
         share/veltrane-video-converter/slider/position_thumb.png \
         "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
  [ -e "$share/icons/hicolor/$size/apps/$app.png" ] || fail "no $size icon"
done
[ ! -e "$share/veltrane-video-converter/desktop" ] || fail "desktop files copied among the resources"

desktop-file-validate "$share/applications/$app.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" || fail "AppStream data does not validate"
grep -q '^Exec=veltrane-video-converter %F$' "$share/applications/$app.desktop" || fail "Exec line"

version="$("$prefix/bin/veltrane-video-converter" --version)"
[ "$version" = "Veltrane Video Converter 6.0" ] || fail "--version printed '$version'"

# A private user: settings that skip the update question, a runtime folder of its own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Veltrane Software" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[General]\nLastCheckUpdate=%s\n' "$(date +%Y-%m-%d)" \
  > "$XDG_CONFIG_HOME/Veltrane Software/Veltrane Video Converter.conf"

cat > "$work/on-screen.sh" <<'INNER'
#!/usr/bin/env bash
# Runs inside the virtual screen: start, find the main window, read its icon property.
set -u
QT_QPA_PLATFORM=xcb "$1" &
pid=$!
echo "$pid" > "$2/pid"
for _ in $(seq 1 100); do
  # The main window: the top-level window carrying the program's class.
  id="$(xwininfo -root -tree 2>/dev/null | grep '("veltrane-video-converter"' | awk '{print $1}' | head -n 1)"
  if [ -n "$id" ] && xprop -id "$id" -notype 32c _NET_WM_ICON 2>/dev/null | grep -q '= 256, 256,'; then
    kill -0 "$pid" 2>/dev/null && echo "running with icon"
    kill "$pid"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || { echo "program ended early"; exit 1; }
  sleep 0.2
done
echo "no window with the program's icon"
kill "$pid"
exit 1
INNER
chmod +x "$work/on-screen.sh"
result="$(xvfb-run -a "$work/on-screen.sh" "$prefix/bin/veltrane-video-converter" "$work" 2>"$work/stderr")" || true
program_pid="$(cat "$work/pid" 2>/dev/null || true)"
[ "$result" = "running with icon" ] || { cat "$work/stderr" >&2; fail "installed program: $result"; }
echo "install tree and start: OK"
