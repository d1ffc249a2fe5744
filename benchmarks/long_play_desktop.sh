#!/usr/bin/env bash
# Resident memory of the real game over long play on a desktop, where bench_long_play measures the
# popover's table or the window offscreen: the game on the X platform (xcb, shared-memory window
# images, the tray) on a private display with a window manager and a tray, its screen large enough for
# the window's full size (the clicks below are placed for it), at a six-handed cash table in the window
# or in the tray's popover, bots fast and the next hand dealt automatically, the player calling
# whatever comes (and sitting down again when out of chips). Prints hands played and resident size every 10 s, then
# where the memory lies at the end (heap, libraries, window images, other), the median while playing,
# the medians over ten hands from hand 100 (a third of a shorter run) and over the last ten, the growth
# between the two, and the peak.
# Usage: long_play_desktop.sh BUILD-DIR [window|popover|both] [HANDS]   (both surfaces and 150 hands
# when not given; a hand takes about 10 s)
set -euo pipefail
build=$1
surface=${2:-both}
hands_wanted=${3:-150}
if [[ $surface == both ]]; then
  "$0" "$build" window "$hands_wanted"
  exec "$0" "$build" popover "$hands_wanted"
fi
game="$build/App/chipwhistle"
# shellcheck source-path=SCRIPTDIR source=lib/desktop.sh
source "$(dirname "$0")/lib/desktop.sh"
require_tools long_play_desktop Xvfb openbox trayer xdotool xwininfo
[[ -x "$game" ]] || { echo "long_play_desktop: $game is not built"; exit 1; }
case $surface in
  window) launch=window size=1100x750 call_x=350 call_y=717 ;;
  popover) launch=menuBar size=420x560 call_x=175 call_y=533 ;;
  *) echo "long_play_desktop: the surface is window or popover, not $surface"; exit 1 ;;
esac

start_display 1920x1080
start_window_manager
start_tray 24

home="$work/home"
data="$home/.local/share/Chipwhistle"
mkdir -p "$home/run" "$data" && chmod 700 "$home/run"
cat >"$data/profile.json" <<EOF
{"schemaVersion": 1, "bankroll": 100000000, "onboarded": true,
 "settings": {"botSpeed": "fast", "autoDeal": true, "launchSurface": "$launch", "defaultTable": "cashTable"}}
EOF
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" "$game" >"$work/game.log" 2>&1 &
pid=$!
pids+=("$pid")

# The game's own window of the surface's size.
surface_window() {
  xwininfo -root -tree | awk -v size="$size" '/\("chipwhistle" / && $0 ~ (" " size "\\+") && !found { found = 1; print $1 }'
}
for _ in $(seq 200); do [[ -n "$(surface_window)" ]] && break; sleep 0.1; done
[[ -n "$(surface_window)" ]] || { echo "long_play_desktop: the $surface never opened"; cat "$work/game.log"; exit 1; }
sleep 1

hands_played() { grep -o '"handsPlayed": *[0-9]*' "$data/profile.json" 2>/dev/null | grep -o '[0-9]*$' || echo 0; }
# From the lobby: Deal, then Sit Down on the sheet; out of chips, Leave Table comes first.
sit_down() {
  local target
  target=$(surface_window)
  # A click on the window's edge gives it the keys without pressing anything.
  xdotool mousemove --window "$target" 2 2 click 1 2>/dev/null || true
  for _ in 1 2 3; do
    xdotool key Return
    sleep 3
  done
}
sit_down

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }
: >"$work/samples"
start=$(date +%s)
last_hands=-1
last_change=$start
next_sample=$start
printf '%6s %6s %9s\n' "s" hands "RSS (MB)"
while kill -0 "$pid" 2>/dev/null; do
  now=$(date +%s)
  hands=$(hands_played)
  if ((now >= next_sample || hands >= hands_wanted)); then
    rss=$(rss_kb)
    echo "$((now - start)) $hands $rss" >>"$work/samples"
    printf '%6d %6d %9.1f\n' "$((now - start))" "$hands" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')"
    next_sample=$((now + 10))
  fi
  ((hands >= hands_wanted)) && break
  if ((hands != last_hands)); then
    last_hands=$hands
    last_change=$now
  elif ((now - last_change > 40)); then
    sit_down
    last_change=$(date +%s)
  fi
  target=$(surface_window)
  [[ -n "$target" ]] && xdotool mousemove --window "$target" "$call_x" "$call_y" click 1 2>/dev/null || true
  sleep 0.5
done
kill -0 "$pid" 2>/dev/null || { echo "long_play_desktop: the game ended early"; tail -20 "$work/game.log"; exit 1; }

# Where the memory lies: the heap, mapped libraries and fonts, the window images shared with the X
# server, and the rest (thread stacks and arenas, large images).
awk '
  /^[0-9a-f]+-[0-9a-f]+ / { name = $6 }
  /^Rss:/ {
    if (name == "[heap]") heap += $2
    else if (name ~ /memfd:|SYSV|^\/dev\/shm/) shm += $2
    else if (name ~ /^\//) files += $2
    else other += $2
  }
  END { printf "at the end: heap %.1f MB, libraries and fonts %.1f MB, window images %.1f MB, other %.1f MB\n",
        heap / 1024, files / 1024, shm / 1024, other / 1024 }' "/proc/$pid/smaps"

settle=$((hands_wanted >= 150 ? 100 : hands_wanted / 3))
# Medians, since the size swings by a few megabytes within each hand: while playing, over the ten
# hands from the settling hand on, and over the last ten hands.
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
last_hand=$(tail -1 "$work/samples" | awk '{ print $2 }')
playing=$(awk '$2 >= 1 { print $3 }' "$work/samples" | median)
settled=$(awk -v from="$settle" '$2 >= from && $2 < from + 10 { print $3 }' "$work/samples" | median)
ending=$(awk -v last="$last_hand" '$2 > last - 10 { print $3 }' "$work/samples" | median)
peak=$(awk '{ print $3 }' "$work/samples" | sort -n | tail -1)
awk -v surface="$surface" -v hands="$last_hand" -v settle="$settle" -v playing="$playing" -v settled="$settled" \
  -v ending="$ending" -v peak="$peak" 'BEGIN {
    printf "%s, %d hands: median %.1f MB while playing, %.1f MB over hands %d-%d, %.1f MB over the last 10 (growth %+.2f MB), peak %.1f MB\n",
      surface, hands, playing / 1024, settled / 1024, settle, settle + 9, ending / 1024, (ending - settled) / 1024, peak / 1024
  }'
