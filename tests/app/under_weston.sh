#!/bin/sh
# Runs a program on a headless weston of its own (own runtime folder, mode 0700, and
# socket), with QT_QPA_PLATFORM=wayland. Ends with 77 (skipped) only when weston
# cannot start; otherwise with the program's status.
#   under_weston.sh PROGRAM [ARGUMENT...]
set -u
if ! command -v weston >/dev/null 2>&1; then
  echo "skipped: weston is not installed"
  exit 77
fi
runtime=$(mktemp -d "${TMPDIR:-/tmp}/veltrane-weston.XXXXXX") || exit 1
chmod 700 "$runtime"
socket="veltrane-test-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
  --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
cleanup() {
  kill "$weston_pid" 2>/dev/null
  wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
tries=0
while [ ! -S "$runtime/$socket" ]; do
  if ! kill -0 "$weston_pid" 2>/dev/null || [ "$tries" -ge 100 ]; then
    echo "skipped: weston could not start"
    cat "$runtime/weston.log"
    exit 77
  fi
  sleep 0.1
  tries=$((tries + 1))
done
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
