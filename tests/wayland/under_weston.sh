#!/usr/bin/env bash
# Runs a program, a Qt test, as a client of a Weston compositor of its own, on a socket in a
# private runtime folder, so that tests running side by side, and any desktop session, never
# meet. Weston draws with pixman into a window of an Xvfb server started for it on a free
# display: its headless back end has no seat, and without a keyboard no window is ever
# active (Qt 6.4's text input then even crashes on the missing seat). Exits with 77
# (skipped) where Weston or Xvfb isn't installed.
#
#   under_weston.sh PROGRAM [ARGUMENTS]
#
# WESTON_WIDTH and WESTON_HEIGHT size the output (1280 x 1024), WESTON_SCALE scales it (1).
set -uo pipefail

for tool in weston Xvfb; do
  if ! command -v $tool >/dev/null; then
    echo "under_weston: $tool is not installed; skipped" >&2
    exit 77
  fi
done

width=${WESTON_WIDTH:-1280}
height=${WESTON_HEIGHT:-1024}
scale=${WESTON_SCALE:-1}
runtime=$(mktemp -d "${TMPDIR:-/tmp}/trochograph-weston.XXXXXX")
chmod 700 "$runtime"
socket=wayland-test
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$runtime"
}
trap cleanup EXIT

# Waits up to 10 s for `test $1 $2` to hold while process $3 runs.
wait_for() {
  local _
  for _ in $(seq 200); do
    test "$1" "$2" && return 0
    kill -0 "$3" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# The first free display, which Xvfb writes once it takes connections. -noreset: Weston
# is its one client, and nothing should change under it.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 $((width * scale))x$((height * scale))x24 \
  3>"$runtime/display" 2>"$runtime/xvfb.log" &
pids=($!)
if ! wait_for -s "$runtime/display" "${pids[0]}"; then
  echo "under_weston: Xvfb did not start:" >&2
  cat "$runtime/xvfb.log" >&2
  exit 1
fi
display=:$(head -n 1 "$runtime/display")

# No idle time: the desktop shell would lock the screen after five idle minutes.
DISPLAY=$display XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman \
  --width="$width" --height="$height" --scale="$scale" --socket=$socket --idle-time=0 --no-config \
  --log="$runtime/weston.log" &
pids=($! "${pids[@]}")
if ! wait_for -S "$runtime/$socket" "${pids[0]}"; then
  echo "under_weston: Weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@" || status=$?
exit $status
