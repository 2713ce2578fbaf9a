#!/usr/bin/env bash
# Measures the water tick in a Release build, and with a git revision given
# (for example `scripts/bench.sh 1020b7f`), that revision's benchmarks first,
# so that old and new figures come from the same run on the same machine.
# Each benchmark runs seven times; compare the fastest of each.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
run_bench() {  # source folder, build folder
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRIPPO_BUILD_UI=OFF -DDRIPPO_BUILD_TESTS=OFF >/dev/null
  cmake --build "$2" --target drippo_bench --parallel "$(nproc)" >/dev/null
  "$2/bench/drippo_bench" --benchmark_repetitions=7 --benchmark_min_time=0.3
}

if [ $# -ge 1 ]; then
  old_source=$(mktemp -d)
  trap 'rm -rf "$old_source"' EXIT
  git archive "$1" | tar -x -C "$old_source"
  echo "== $1"
  run_bench "$old_source" "$old_source/build"
fi
echo "== $(git rev-parse --short HEAD)"
run_bench . build-bench
