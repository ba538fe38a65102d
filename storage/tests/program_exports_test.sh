#!/usr/bin/env bash
# The game program exports the four LZRW entry points by name in its dynamic symbol table.
set -euo pipefail
symbols=$(nm -D --defined-only "$1")
for name in LZRW1A LZRW2 LZRW3 LZRW3A; do
  grep -qE " T ${name}\$" <<<"$symbols" || { echo "$1 does not export $name"; exit 1; }
done
