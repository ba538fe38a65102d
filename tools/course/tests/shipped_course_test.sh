#!/usr/bin/env bash
# shipped_course_test.sh PT_SOLVE PT_SHOT COURSE: every hole of a shipped course holes in at
# most 3 strokes (fewest), no shot rolls for the whole roll limit, no ball gets out, and each
# witness pt-solve prints holes the ball when replayed stroke by stroke with pt-shot.
set -euo pipefail
solve=$1
shot=$2
course=$3
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp)
trap 'rm -f "$out"' EXIT

failed=0
problem() {
  echo "$course: $*" >&2
  failed=1
}

status=0
"$solve" "$course" --max-strokes 3 >"$out" || status=$?
[[ $status -ne 2 ]] || { cat "$out" >&2; exit 1; }
while read -r line; do
  problem "$line"
done < <(grep -E '^hole [0-9]+: unreachable|^  (roll limit|escape|fault):' "$out" || true)
holes=$(grep -Ec '^hole [0-9]+: [0-9]+ strokes?$' "$out" || true)
[[ $holes -eq 18 ]] || problem "$holes of 18 holes proven within 3 strokes"

hole=
while read -r line; do
  if [[ $line =~ ^hole\ ([0-9]+): ]]; then
    hole=${BASH_REMATCH[1]}
  elif [[ $line =~ ^witness: ]]; then
    "$here/replay_witness.sh" "$shot" "$course" "$hole" "$line" || failed=1
  fi
done < <(sed 's/^  //' "$out")
[[ $failed -eq 0 ]] || { tail -1 "$out" >&2; exit 1; }
tail -1 "$out"
