#!/usr/bin/env bash
# Builds the game and its data, prepares the emulated handheld, and starts the game in a window.
# Options go to the program: --scale N, --fullscreen, --device DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/bin/Puttland "$@"
