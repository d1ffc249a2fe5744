# shellcheck shell=bash
# The private desktop on which the benchmarks/*.sh scripts measure the whole game, sourced by each:
# a scratch folder `work`, a runtime folder `runtime` in memory as a desktop session has, an X display
# of its own and, when asked, a window manager and a tray. Every process in `pids` (what this starts,
# and what the script adds) is stopped when the script exits, and both folders are removed.

work=$(mktemp -d)
# A desktop session's runtime folder (/run/user/…) is in memory; one on disk would make every lock
# file written at start-up wait for the disk.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
pids=()
stop_desktop() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work" "$runtime"
}
trap stop_desktop EXIT

# require_tools SCRIPT TOOL...: ends the script, saying it is skipped, when a tool is not installed.
require_tools() {
  local script=$1 tool
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$script: $tool is not installed; skipped"; exit 0; }
  done
}

# start_display WIDTHxHEIGHT: an X server with a screen of that size, exported as DISPLAY.
start_display() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
}

# start_window_manager: openbox on the display.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  pids+=($!)
}

# start_tray HEIGHT [TRAYER-OPTION...]: a tray at the top right of the screen, once its panel is up.
start_tray() {
  local height=$1
  shift
  trayer --edge top --align right --widthtype request --height "$height" "$@" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do xwininfo -root -tree | grep -q '"panel"' && break; sleep 0.05; done
}
