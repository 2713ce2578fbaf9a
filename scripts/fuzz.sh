#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ and runs each for SECONDS (default
# 30) from its seed corpus in tests/fuzz_corpus/<target>/. The corpus is
# copied to a scratch folder first, so a run never writes into tests/.
# Exits non-zero when a target finds a crash; the input is kept in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
targets=(fuzz_slot_reader fuzz_level_file fuzz_score_file fuzz_settings_file)

./scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDRIPPO_FUZZ=ON -DDRIPPO_BUILD_TESTS=OFF -DDRIPPO_BUILD_BENCH=OFF -DDRIPPO_BUILD_UI=OFF \
  --no-warn-unused-cli >/dev/null
cmake --build build-fuzz --target drippo_fuzzers --parallel "$(nproc)"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
findings="$PWD/build-fuzz/findings"
mkdir -p "$findings"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target"
  cp -R "tests/fuzz_corpus/$target/." "$scratch/$target/"
  echo "== $target: ${seconds}s"
  if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" "$scratch/$target" >"$scratch/$target.log" 2>&1; then
    status=1
    tail -n 40 "$scratch/$target.log"
    echo "!! $target found a crash; its input is in $findings/"
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$scratch/$target.log" || true
done
exit "$status"
