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

fail() {
  echo "compare_evaluator: $*" >&2
  exit 1
}

(($# >= 1)) || fail "usage: $0 OLD-COMMIT [ROUNDS=7] [FILTER=regex of benchmark names]"
root=$(cd "$(dirname "$0")/.." && pwd)
for tool in git cmake ninja c++ python3; do
  command -v "$tool" >/dev/null || fail "$tool is not installed; scripts/bootstrap installs it"
done
[[ -f /usr/include/benchmark/benchmark.h ]] ||
  fail "Google Benchmark is not installed (Debian package libbenchmark-dev); scripts/bootstrap installs it"
git -C "$root" rev-parse --git-dir >/dev/null 2>&1 || fail "$root is not a git checkout"
old_commit=$(git -C "$root" rev-parse --verify --quiet "$1^{commit}") ||
  fail "$1 is not a commit of $root"
rounds=${2:-7}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || fail "ROUNDS must be a whole number above zero, not '$rounds'"
filter=${3:-.}
# One older tree per checkout, so two checkouts comparing at once never share one.
old_tree=/tmp/chipwhistle-compare-${old_commit:0:12}-$(basename "$root")
target=bench_evaluator_throughput
# The compiler cache speeds up building the same commit again, where it is installed; a launcher
# that an earlier configuration named is cleared, since it may exist on that machine only.
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER= -DCMAKE_CXX_LINKER_LAUNCHER=)
if command -v ccache >/dev/null; then
  launcher[0]=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

configure_and_build() {
  local tree=$1 log
  log=$(mktemp)
  if ! { cmake -S "$tree" -B "$tree/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" &&
    cmake --build "$tree/build/release" --target "$target"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    rm -f "$log"
    fail "building $target in $tree failed (the end of its output is above)"
  fi
  rm -f "$log"
}

# A tree removed from /tmp by hand is still registered with git until pruned.
git -C "$root" worktree prune
if [[ ! -d $old_tree ]]; then
  git -C "$root" worktree add --detach "$old_tree" "$old_commit" >/dev/null ||
    fail "cannot check $old_commit out in $old_tree"
fi
[[ -f $old_tree/benchmarks/CMakeLists.txt ]] || fail "$old_commit has no benchmarks to compare with"
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
      'NR > 1 && $7 != "" { gsub(/"/, "", $1); print $1, side, round, $7 }' >>"$results" ||
    fail "the $side side's benchmark ($tree/build/release/benchmarks/$target) failed"
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
[[ -s $results ]] || fail "no benchmark's name matches '$filter'"

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
