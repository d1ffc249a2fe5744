#!/usr/bin/env bash
# Start-up of the real game on a private X display with a tray: time from starting the process to
# its chip being embedded in the tray, the resident memory once idle, and the CPU it uses while idle
# (popover hidden, no table), over several runs. Usage: tray_startup.sh BUILD-DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-7}
game="$build/App/chipwhistle"
for tool in Xvfb trayer xwininfo; do
  command -v "$tool" >/dev/null || { echo "tray_startup: $tool is not installed; skipped"; exit 0; }
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
printf '%-4s %12s %10s %14s\n' run "tray (s)" "RSS (MB)" "idle CPU (s/5s)"
for run in $(seq "$runs"); do
  home="$work/home$run"
  mkdir -p "$home/run" && chmod 700 "$home/run"
  start=$(date +%s.%N)
  env -u QT_QPA_PLATFORM HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run \
    "$game" --launched-at-login >/dev/null 2>&1 &
  pid=$!
  embedded=""
  for _ in $(seq 2000); do
    # The chip is embedded once a small window of the game sits inside the tray's panel.
    if xwininfo -root -tree | grep -qE '^ {11}0x[0-9a-f]+ .*\("chipwhistle" '; then
      embedded=$(date +%s.%N)
      break
    fi
  done
  sleep 3
  rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep 5
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v run="$run" -v start="$start" -v embedded="$embedded" -v rss="$rss_kb" -v ticks="$((after - before))" \
    -v hz="$clock_ticks" 'BEGIN {
      tray = embedded == "" ? "never" : sprintf("%.3f", embedded - start)
      printf "%-4s %12s %10.1f %14.2f\n", run, tray, rss / 1024, ticks / hz
    }'
done
