#!/usr/bin/env bash
# Builds the game's data and writes its contact sheets (one PNG per group of pictures) into
# build/contact-sheet/ for review.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target contact-sheet
