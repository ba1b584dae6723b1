#!/usr/bin/env bash
# Installs the program into a temporary prefix, checks the installed tree (files, desktop
# entry, AppStream data, what the Debian package needs), then starts the installed program
# on a virtual screen and checks that it found its resources there (its window carries the
# program's icon) and that the desktop entry names its window class.
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
         share/veltrane-video-converter/translations/veltrane_de.qm \
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

# The installed programs find their translations beside the other resources.
german="$(LANG=de_DE.UTF-8 LANGUAGE= "$prefix/bin/veltrane-video-converter" --bogus 2>&1 || true)"
[[ "$german" == *"Unbekannte Option"* ]] || fail "no German from the installed program: $german"

version="$("$prefix/bin/veltrane-video-converter" --version)"
[ "$version" = "Veltrane Video Converter 6.0" ] || fail "--version printed '$version'"

# What the Debian package needs: compressed manual pages, a machine-readable copyright,
# a changelog whose latest entry is this version, the audio types of .opus and .mka.
for page in veltrane-video-converter veltrane-convert; do
  zcat "$share/man/man1/$page.1.gz" 2>/dev/null | grep -q '^\.TH' || fail "no compressed manual page $page"
done
doc="$share/doc/veltrane-video-converter"
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "copyright is not machine-readable"
zcat "$doc/changelog.gz" | head -n 1 | grep -qF "veltrane-video-converter (${version##* })" \
  || fail "the changelog's latest entry is not version ${version##* }"
for type in audio/x-opus+ogg audio/x-matroska; do
  grep -q "^MimeType=.*[=;]$type;" "$share/applications/$app.desktop" || fail "desktop entry lacks $type"
done

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
    # The class half of WM_CLASS, which the desktop entry's StartupWMClass must name.
    xprop -id "$id" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p' > "$2/class"
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
class="$(cat "$work/class")"
grep -qxF "StartupWMClass=$class" "$share/applications/$app.desktop" \
  || fail "the desktop entry's StartupWMClass does not name the window class '$class'"
echo "install tree and start: OK"
