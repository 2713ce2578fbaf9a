#!/usr/bin/env bash
# Installs what is missing, builds, and makes a Debian package of the game:
# build/drippo_<version>_<architecture>.deb, to install with
#   sudo apt install ./build/drippo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
cd build
cpack -G DEB
