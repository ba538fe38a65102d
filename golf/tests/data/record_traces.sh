#!/usr/bin/env bash
# Records the trace of every shot of shots.txt with pt-shot: record_traces.sh PT_SHOT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
shot=${1:?usage: record_traces.sh PATH_TO_PT_SHOT}
mkdir -p "$here/traces"
grep -v '^#' "$here/shots.txt" | while read -r name mode hole rest; do
  [[ -n $name ]] || continue
  # shellcheck disable=SC2086
  "$shot" "$mode" "$here/test_holes.course" "$hole" $rest > "$here/traces/$name.trace"
done
