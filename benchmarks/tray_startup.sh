#!/usr/bin/env bash
# Start-up of the real game beside a bare Qt tray program (benchmarks/bare_tray: QApplication and
# QSystemTrayIcon, nothing else), on one private X display with a tray, interleaved run by run so both
# see the same machine: time from starting the process to its icon being embedded in the tray, the
# resident memory 5 s after the start, and the CPU used while idle over the next 5 s (popover hidden,
# no table). Prints every run, then the medians with their spread (lowest–highest) and the game's time
# as a multiple of the bare one. Given an earlier build's game as well, that one is started in the same
# rounds, so a change is measured against what it replaces on the same machine at the same moment.
# Usage: tray_startup.sh BUILD-DIR [RUNS] [EARLIER-GAME]
set -euo pipefail
build=$1
runs=${2:-7}
game="$build/App/chipwhistle"
bare="$build/benchmarks/bare_tray"
earlier=${3:-}
# shellcheck source-path=SCRIPTDIR source=lib/desktop.sh
source "$(dirname "$0")/lib/desktop.sh"
require_tools tray_startup Xvfb trayer xwininfo
entrants=(game bare)
[[ -n "$earlier" ]] && entrants+=(earlier)
for program in "$game" "$bare" ${earlier:+"$earlier"}; do
  [[ -x "$program" ]] || { echo "tray_startup: $program is not built"; exit 1; }
done

start_display 1920x1080
start_tray 32 --SetDockType true --transparent false

clock_ticks=$(getconf CLK_TCK)

# measure NAME PROGRAM CLASS ARGS...: one start; prints "seconds-to-tray RSS-MB idle-CPU-seconds".
measure() {
  local name=$1 program=$2 class=$3
  shift 3
  local home="$work/$name$run" run_folder="$runtime/$name$run"
  mkdir -p "$run_folder" "$home/.local/share/Chipwhistle" && chmod 700 "$run_folder"
  # A player who has been through the introduction: the game starts in the tray alone.
  echo '{"schemaVersion": 1, "bankroll": 10000, "onboarded": true}' >"$home/.local/share/Chipwhistle/profile.json"
  local start embedded="" pid
  start=$(date +%s.%N)
  env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$run_folder" "$program" "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do
    # The icon is embedded once a small window of the program sits inside the tray's panel.
    if xwininfo -root -tree | grep -qE "^ {11}0x[0-9a-f]+ .*\(\"$class\" "; then
      embedded=$(date +%s.%N)
      break
    fi
  done
  local now
  now=$(date +%s.%N)
  sleep "$(awk -v start="$start" -v now="$now" 'BEGIN { s = 5 - (now - start); print (s > 0 ? s : 0) }')"
  local rss_kb before after
  rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep 5
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v start="$start" -v embedded="$embedded" -v rss="$rss_kb" -v ticks="$((after - before))" \
    -v hz="$clock_ticks" 'BEGIN {
      printf "%s %.1f %.2f\n", embedded == "" ? "never" : sprintf("%.4f", embedded - start), rss / 1024, ticks / hz
    }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# spread: "median (lowest–highest)" of a column of numbers.
spread() {
  local sorted
  sorted=$(sort -n)
  printf '%s (%s–%s)' "$(median <<<"$sorted")" "$(head -1 <<<"$sorted")" "$(tail -1 <<<"$sorted")"
}

printf '%-4s %-8s %10s %10s %16s\n' run what "tray (s)" "RSS (MB)" "idle CPU (s/5s)"
for what in "${entrants[@]}"; do : >"$work/$what"; done
for run in $(seq "$runs"); do
  # Rotate which goes first, so none always meets a warmer cache.
  order=("${entrants[@]:run % ${#entrants[@]}}" "${entrants[@]:0:run % ${#entrants[@]}}")
  for what in "${order[@]}"; do
    case $what in
    game) result=$(measure game "$game" chipwhistle --launched-at-login) ;;
    earlier) result=$(measure earlier "$earlier" chipwhistle --launched-at-login) ;;
    bare) result=$(measure bare "$bare" bare_tray) ;;
    esac
    echo "$result" >>"$work/$what"
    read -r tray rss cpu <<<"$result"
    printf '%-4s %-8s %10s %10s %16s\n' "$run" "$what" "$tray" "$rss" "$cpu"
  done
done

bare_tray=$(awk '{print $1}' "$work/bare" | median)
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
for what in "${entrants[@]}"; do
  tray=$(awk '{print $1}' "$work/$what" | median)
  printf '%-8s tray %s s, RSS %s MB, %.2f× bare\n' "$what" "$(awk '{print $1}' "$work/$what" | spread)" \
    "$(awk '{print $2}' "$work/$what" | spread)" "$(awk -v g="$tray" -v b="$bare_tray" 'BEGIN { print g / b }')"
done
