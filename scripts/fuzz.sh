#!/usr/bin/env bash
# Runs every libFuzzer target of a PT_FUZZ build for a bounded time on its seed corpus.
# Usage: scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
build=$1
seconds=${2:-20}
list=$build/fuzz_targets.txt
[[ -s $list ]] || { echo "no fuzz targets in $build"; exit 0; }
failed=0
while read -r name corpus; do
  [[ -n $name ]] || continue
  work=$(mktemp -d)
  [[ -n ${corpus:-} && -d $corpus ]] && cp -r "$corpus"/. "$work"/
  echo "== fuzz $name (${seconds}s)"
  if ! "$build/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
       -artifact_prefix="$build/fuzz/$name-" "$work" > "$build/fuzz/$name.log" 2>&1; then
    echo "FAILED: $name"; tail -n 40 "$build/fuzz/$name.log"; failed=1
  fi
  rm -rf "$work"
done < "$list"
exit $failed
