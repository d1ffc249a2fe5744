#!/usr/bin/env bash
# Evaluator and equity throughput of this tree against an older commit, both built the same way
# (Release) and run interleaved in rounds, so that load from anything else on the machine falls on
# both alike. Prints, per benchmark, the median and the spread (lowest and highest) of each side in
# millions of hands or trials per second, and the median of the per-round ratios new/old.
#
#   compare_evaluator.sh OLD-COMMIT [ROUNDS=7] [FILTER=regex of benchmark names]
#
# The older commit is checked out in a worktree under /tmp and gets this tree's
# evaluator_throughput.cpp and RandomHands.h, so both sides run the same loops.
set -euo pipefail
old_commit=$(git rev-parse --verify "$1^{commit}")
rounds=${2:-7}
filter=${3:-.}
root=$(cd "$(dirname "$0")/.." && pwd)
# One older tree per checkout, so two checkouts comparing at once never share one.
old_tree=/tmp/chipwhistle-compare-${old_commit:0:12}-$(basename "$root")
target=bench_evaluator_throughput

configure_and_build() {
  local tree=$1
  cmake -S "$tree" -B "$tree/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_COMPILER_LAUNCHER=/work/bin/slot;compile;10;ccache" \
    "-DCMAKE_CXX_LINKER_LAUNCHER=/work/bin/slot;link;3" >/dev/null
  cmake --build "$tree/build/release" --target "$target" >/dev/null
}

if [[ ! -d $old_tree ]]; then
  git -C "$root" worktree add --detach "$old_tree" "$old_commit" >/dev/null
fi
cp "$root/benchmarks/evaluator_throughput.cpp" "$root/benchmarks/RandomHands.h" "$old_tree/benchmarks/"
# Only this benchmark, linked to the two packages alone, whatever the older commit's own list holds.
cat >"$old_tree/benchmarks/CMakeLists.txt" <<'EOF'
add_executable(bench_evaluator_throughput evaluator_throughput.cpp)
target_link_libraries(bench_evaluator_throughput PRIVATE BotKit PokerEngine benchmark::benchmark_main)
EOF
configure_and_build "$old_tree"
configure_and_build "$root"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
run() {
  local side=$1 tree=$2 round=$3
  "$tree/build/release/benchmarks/$target" --benchmark_filter="$filter" --benchmark_min_time=0.3 \
    --benchmark_format=csv 2>/dev/null |
    awk -F, -v side="$side" -v round="$round" \
      'NR > 1 && $7 != "" { gsub(/"/, "", $1); print $1, side, round, $7 }' >>"$results"
}
for round in $(seq "$rounds"); do
  # Alternating which side goes first keeps a trend in the machine's load off one side.
  if ((round % 2)); then
    run old "$old_tree" "$round"
    run new "$root" "$round"
  else
    run new "$root" "$round"
    run old "$old_tree" "$round"
  fi
  echo "round $round of $rounds done" >&2
done

echo "old $old_commit, new $(git -C "$root" rev-parse HEAD)$(git -C "$root" diff --quiet HEAD || echo ' + changes')"
python3 - "$results" <<'EOF'
import statistics
import sys

runs = {}
for line in open(sys.argv[1]):
    name, side, round_, rate = line.split()
    runs.setdefault(name, {}).setdefault(side, {})[int(round_)] = float(rate) / 1e6

print(f"{'benchmark (M/s)':34} {'old median [min-max]':>24} {'new median [min-max]':>24} {'new/old':>8}")
for name, sides in runs.items():
    old, new = sides.get("old", {}), sides.get("new", {})
    if not old or not new:
        continue
    ratios = [new[r] / old[r] for r in old if r in new]
    cell = lambda v: f"{statistics.median(v):7.2f} [{min(v):6.2f}-{max(v):6.2f}]"
    print(f"{name:34} {cell(old.values()):>24} {cell(new.values()):>24} "
          f"{statistics.median(ratios):7.3f}x  (rounds {min(ratios):.3f}-{max(ratios):.3f})")
EOF
