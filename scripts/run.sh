#!/usr/bin/env bash
# Builds the game and starts it from its run directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build -j "$(nproc)" --target linkloom
cd build && exec ./linkloom
