#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# --sanitize builds and runs them again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh "$@"

build_dir=build
skip=()
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Searches bounded by the clock (the generator's few seconds, in the tool
  # or behind the browser's button, a solver
  # stopped by its time limit) cannot keep their promises ten times slower:
  # the plain run above holds them to it, and solves every shipped level.
  skip=(-E '^(Generator\.|SolveRun\.Generates|SolveRun\.EveryShippedLevel|Solver\.StopsAtTheTimeLimit|LevelBrowserTest\.NewPuzzle)')
fi
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" "${skip[@]}"
