#!/usr/bin/env bash
# The game in its SDL window under a virtual X display: start to first splash, and processor
# time while the game screen waits and while a ball rolls. Usage: scripts/bench-sdl.sh [RUNS [SCALE]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target pt-bench-sdl
# No sound device here: SDL's dummy driver keeps the sound path running without one.
SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} \
  xvfb-run -a -s "-screen 0 1280x1024x24 -br" "$build/bin/pt-bench-sdl" "${1:-5}" "${2:-2}"
