#!/usr/bin/env bash
# Configures and builds Drippo into build/ (or build-asan/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DDRIPPO_SANITIZE=ON -DDRIPPO_BUILD_BENCH=OFF)
fi

cmake -S . -B "$build_dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
