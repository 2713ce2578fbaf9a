#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
# Until the window exists, this plays the first sample level headless.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
exec ./build/tools/drippo-sim assets/tab/Premiers\ pas.tab "$@"
