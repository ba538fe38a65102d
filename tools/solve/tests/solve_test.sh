#!/usr/bin/env bash
# pt-solve on small holes whose answers are known, its witnesses replayed stroke by stroke
# with pt-shot, its fault reports, and its refusal of bad input.
set -euo pipefail
solve=$1
shot=$2
data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -f $work/out ]] && cat "$work/out" >&2
  exit 1
}

# Plays a witness line with pt-shot stroke by stroke (the shipped courses' tests use the same).
replay() {
  "$(dirname "$0")/../../course/tests/replay_witness.sh" "$shot" "$1" "$2" "$3" ||
    fail "witness $3 does not replay"
}

# A straight lane holes in one, and the first shots say how often.
"$solve" "$data/straight_lane.course" >"$work/out" || fail "straight lane not proven"
grep -q '^hole 0: 1 stroke$' "$work/out" || fail "straight lane: not one stroke"
grep -Eq '^  hole in one: [1-9][0-9]* of [0-9]+ first shots$' "$work/out" || fail "no hole in one"
replay "$data/straight_lane.course" 0 "$(grep '^  witness:' "$work/out")"

# A cup in a pocket that opens away from the tee: no straight putt, two strokes.
"$solve" "$data/walled_cup.course" 0 >"$work/out" || fail "walled cup not proven"
grep -q '^hole 0: 2 strokes$' "$work/out" || fail "walled cup: not two strokes"
grep -q '^  hole in one: 0 of ' "$work/out" || fail "walled cup: a hole in one"
replay "$data/walled_cup.course" 0 "$(grep '^  witness:' "$work/out")"

# A cup ringed by water cannot be reached, and the tool says so with exit status 1.
if "$solve" "$data/water_cup.course" --max-strokes 2 --positions 10 >"$work/out"; then
  fail "water cup proven"
fi
grep -q '^hole 0: unreachable within 2 strokes' "$work/out" || fail "water cup: not unreachable"
grep -q 'no floor leads from the tee to the cup' "$work/out" || fail "water cup: floor note"
grep -Eq '^  hazard: [1-9][0-9.]*% of [0-9]+ sensible first shots$' "$work/out" ||
  fail "water cup: no hazards counted"

# A ball pinned by a slope rolls for the whole minute; a lane with an open end lets the
# ball leave the field. Both are printed with the shot that did it.
if "$solve" "$data/faults.course" --max-strokes 1 >"$work/out"; then fail "faults not found"; fi
grep -Eq '^  roll limit: from 25,158 aim [0-9]+,[0-9]+ hold [0-9]+ ms, 1200 steps' "$work/out" ||
  fail "no roll-limit shot"
grep -Eq '^  escape: from 25,158 .*: left the field$' "$work/out" || fail "no escape"
grep -q '^course: 0 of 2 holes proven within 1 stroke;' "$work/out" || fail "summary"

# Bad input: exit status 2 and a message, never a crash.
expect_refusal() {
  local message=$1
  shift
  local status=0
  "$solve" "$@" >"$work/out" 2>"$work/err" || status=$?
  [[ $status -eq 2 ]] || fail "status $status for $*"
  grep -q "$message" "$work/err" || fail "message '$message' for $*: $(cat "$work/err")"
}
printf '\x00\x01\x01\x01\x01' >"$work/cut"                      # a record cut short
expect_refusal 'damaged course entry' "$work/cut"
{ head -c 95 /dev/zero; printf '\x02\x00\x00\x00\x00\x00\x00\x00'; } >"$work/unclosed"
expect_refusal 'damaged course entry' "$work/unclosed"        # no closing 0xFF
printf '\xff' >"$work/empty"
expect_refusal 'holds no hole' "$work/empty"
expect_refusal 'cannot read' "$work/missing.course"
printf 'hole 0\ngrid\n' >"$work/bad.course"
expect_refusal 'bad.course:' "$work/bad.course"
expect_refusal 'no usable record of hole 5' "$data/straight_lane.course" 5
expect_refusal 'HOLE must be 0..17' "$data/straight_lane.course" 18
expect_refusal 'bad value' "$data/straight_lane.course" --max-strokes 7
expect_refusal 'unknown option' "$data/straight_lane.course" --fast
"$solve" --help | grep -q 'sensible'
echo "pt-solve: all checks passed"
