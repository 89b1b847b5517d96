#!/usr/bin/env bash
# Builds the game and its tests and runs them all. Window tests start their
# own Xvfb server, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -DBUILD_TESTING=ON
cmake --build build -j "$(nproc)"
cd build && ctest --output-on-failure -j "$(nproc)"
