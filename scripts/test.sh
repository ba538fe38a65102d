#!/usr/bin/env bash
# Builds everything and runs every test (headless: no display or sound device needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
