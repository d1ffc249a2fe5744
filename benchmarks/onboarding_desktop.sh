#!/usr/bin/env bash
# What the first-run window costs on a real X display (Xvfb, under openbox when it is installed): the
# game starts for a new player, so it opens the first-run window and its art floats; the CPU the whole
# process uses is read from /proc over SECONDS seconds while the window is in view, then while another
# program's window covers it, then (under openbox) while it is minimised. Printed as a share of one
# core, in percent; the art must cost at most 5 % while it floats, and next to nothing out of sight.
# With strace installed it then counts the futex calls all the game's threads make a second while the
# art floats, over another SECONDS seconds: threads that wake each other between frames show there
# long before they show as CPU.
# Given an earlier build's game as well, that one is measured the same way after this one.
# Usage: onboarding_desktop.sh BUILD-DIR [SECONDS] [EARLIER-GAME]
set -euo pipefail
build=$1
seconds=${2:-20}
earlier=${3:-}
# shellcheck source-path=SCRIPTDIR source=lib/desktop.sh
source "$(dirname "$0")/lib/desktop.sh"
require_tools onboarding_desktop Xvfb xdotool xmessage xwininfo
games=("$build/App/chipwhistle" ${earlier:+"$earlier"})
for game in "${games[@]}"; do
  [[ -x "$game" ]] || { echo "onboarding_desktop: $game is not built"; exit 1; }
done

start_display 1920x1080
managed=false
if command -v openbox >/dev/null; then
  start_window_manager
  managed=true
  sleep 1
fi

clock_ticks=$(getconf CLK_TCK)
# cpu PID: the process's user and system time so far, in clock ticks.
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# share PID: the share of a core the process uses over the next $seconds seconds, in percent.
share() {
  local before after
  before=$(cpu "$1")
  sleep "$seconds"
  after=$(cpu "$1")
  awk -v ticks="$((after - before))" -v hz="$clock_ticks" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * ticks / hz / s }'
}
# futexes PID: the futex calls a second of all the process's threads over the next $seconds seconds.
futexes() {
  command -v strace >/dev/null || { echo "-"; return; }
  rm -f "$work/futex"
  timeout -s INT "$seconds" strace -f -qq -c -e trace=futex -p "$1" -o "$work/futex" 2>/dev/null || true
  [[ -s "$work/futex" ]] || { echo "-"; return; }
  awk -v s="$seconds" '$NF == "futex" { calls = $4 } END { printf "%.0f", calls / s }' "$work/futex"
}

for game in "${games[@]}"; do
  home="$work/home-$RANDOM"
  run_folder="$runtime/run-$RANDOM"
  mkdir -p "$home" "$run_folder" && chmod 700 "$run_folder"
  env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$run_folder" "$game" >/dev/null 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Welcome to Chipwhistle$' 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || { echo "onboarding_desktop: $game never showed its first-run window"; kill "$pid"; exit 1; }
  sleep 5 # the art has come in and floats
  in_view=$(share "$pid")
  futex_rate=$(futexes "$pid")
  kill -0 "$pid" 2>/dev/null || echo "onboarding_desktop: $game ended while in view" >&2
  xmessage -geometry 1920x1080+0+0 "a program over the whole screen" &
  cover=$!
  sleep 2
  covered=$(share "$pid")
  kill "$cover"
  wait "$cover" 2>/dev/null || true
  minimised="-"
  if $managed; then
    sleep 1
    xdotool windowminimize "$window"
    sleep 1
    minimised=$(share "$pid")
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  printf '%s: in view %s %% (%s futex calls/s), covered %s %%, minimised %s %% of a core (over %s s each)\n' \
    "$game" "$in_view" "$futex_rate" "$covered" "$minimised" "$seconds"
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
