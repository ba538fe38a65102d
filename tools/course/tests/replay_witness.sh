#!/usr/bin/env bash
# replay_witness.sh PT_SHOT COURSE HOLE "WITNESS": plays a pt-solve witness line
# "(AX,AY,HOLD) ..." with pt-shot, each stroke from where the last came to rest; every stroke
# but the last must stop, the last must hole. Exit status 1 with the stroke that did not.
set -euo pipefail
shot=$1
course=$2
hole=$3
witness=$4
strokes=$(grep -o '([0-9]*,[0-9]*,[0-9]*)' <<<"$witness" | tr -d '()' | tr ',' ' ')
[[ -n $strokes ]] || { echo "no strokes in '$witness'" >&2; exit 1; }
total=$(wc -l <<<"$strokes")
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
from=()
n=0
while read -r ax ay hold; do
  n=$((n + 1))
  "$shot" aim "$course" "$hole" "$ax" "$ay" "$hold" "${from[@]}" >"$trace"
  want=stopped
  [[ $n -eq $total ]] && want=holed
  if ! tail -1 "$trace" | grep -q "^end $want "; then
    echo "hole $hole: stroke $n of $witness did not end $want: $(tail -1 "$trace")" >&2
    exit 1
  fi
  read -r _ x y _ < <(tail -2 "$trace" | head -1)
  from=(--from "$x" "$y")
done <<<"$strokes"
