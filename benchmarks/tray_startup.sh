#!/usr/bin/env bash
# Start-up of the real game beside a bare Qt tray program (benchmarks/bare_tray: QApplication and
# QSystemTrayIcon, nothing else), on one private X display with a tray, interleaved run by run so both
# see the same machine: time from starting the process to its icon being embedded in the tray, the
# resident memory 5 s after the start, and the CPU used while idle over the next 5 s (popover hidden,
# no table). Prints every run, then the medians and the game's time as a multiple of the bare one.
# Usage: tray_startup.sh BUILD-DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-7}
game="$build/App/chipwhistle"
bare="$build/benchmarks/bare_tray"
for tool in Xvfb trayer xwininfo; do
  command -v "$tool" >/dev/null || { echo "tray_startup: $tool is not installed; skipped"; exit 0; }
done
for program in "$game" "$bare"; do
  [[ -x "$program" ]] || { echo "tray_startup: $program is not built"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
  >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xwininfo -root -tree | grep -q '"panel"' && break; sleep 0.05; done

clock_ticks=$(getconf CLK_TCK)

# measure NAME PROGRAM CLASS ARGS...: one start; prints "seconds-to-tray RSS-MB idle-CPU-seconds".
measure() {
  local name=$1 program=$2 class=$3
  shift 3
  local home="$work/$name$run"
  mkdir -p "$home/run" "$home/.local/share/Chipwhistle" && chmod 700 "$home/run"
  # A player who has been through the introduction: the game starts in the tray alone.
  echo '{"schemaVersion": 1, "bankroll": 10000, "onboarded": true}' >"$home/.local/share/Chipwhistle/profile.json"
  local start embedded="" pid
  start=$(date +%s.%N)
  env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" "$program" "$@" >/dev/null 2>&1 &
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

printf '%-4s %-6s %10s %10s %16s\n' run what "tray (s)" "RSS (MB)" "idle CPU (s/5s)"
: >"$work/game" && : >"$work/bare"
for run in $(seq "$runs"); do
  # Alternate which goes first, so neither always meets a warmer cache.
  order=(game bare)
  ((run % 2 == 0)) && order=(bare game)
  for what in "${order[@]}"; do
    if [[ $what == game ]]; then
      result=$(measure game "$game" chipwhistle --launched-at-login)
    else
      result=$(measure bare "$bare" bare_tray)
    fi
    echo "$result" >>"$work/$what"
    read -r tray rss cpu <<<"$result"
    printf '%-4s %-6s %10s %10s %16s\n' "$run" "$what" "$tray" "$rss" "$cpu"
  done
done

game_tray=$(awk '{print $1}' "$work/game" | median)
bare_tray=$(awk '{print $1}' "$work/bare" | median)
printf 'median game: tray %.4f s, RSS %s MB; bare: tray %.4f s, RSS %s MB; game/bare tray time %.2f×\n' \
  "$game_tray" "$(awk '{print $2}' "$work/game" | median)" "$bare_tray" "$(awk '{print $2}' "$work/bare" | median)" \
  "$(awk -v g="$game_tray" -v b="$bare_tray" 'BEGIN { print g / b }')"
