#!/usr/bin/env bash
# pt-course check on small holes with one seeded fault each: every report must be exactly the
# '# expect: LINE: what' lines the file ends with, and a hole without them must pass. Then the
# same check through compile, on a compiled entry (byte offsets) and on damaged input.
set -euo pipefail
course=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cd "$data"
for source in *.course; do
  expected=$(sed -n "s|^# expect: |$source:|p" "$source")
  status=0
  "$course" check "$source" >"$work/out" 2>&1 || status=$?
  if [[ "$(cat "$work/out")" != "$expected" ]]; then
    diff <(echo "$expected") "$work/out" >&2 || true
    fail "$source: reports differ"
  fi
  want=0
  [[ -n $expected ]] && want=1
  [[ $status -eq $want ]] || fail "$source: exit status $status, not $want"
done

# compile runs the same check and writes nothing when it fails; --no-check compiles anyway.
if "$course" compile tee_on_water.course -o "$work/entry" 2>"$work/err"; then
  fail "compile passed a faulty course"
fi
grep -q '^tee_on_water.course:13: hole 0: the tee at (88,158) lies on water' "$work/err" ||
  fail "compile: $(cat "$work/err")"
[[ ! -e $work/entry ]] || fail "compile wrote a faulty course"
"$course" compile clean.course -o "$work/clean" || fail "compile refused the clean course"
"$course" compile --full-course clean.course -o "$work/clean" 2>"$work/err" && fail "--full-course"
grep -q '^clean.course:1: the course lacks hole 1, 2, .*, 17$' "$work/err" || fail "$(cat "$work/err")"

# A compiled entry is checked too, its problems placed by byte offset.
"$course" compile gap_8px.course -o "$work/gap" --no-check || fail "--no-check"
"$course" check "$work/gap" >"$work/out" && fail "entry passed"
cat >"$work/want" <<WANT
$work/gap:byte 0: hole 0: the ball can leave the grid at (225,151)
$work/gap:byte 103: hole 0: no block picture shows this diagonal wall at (141,127)
WANT
diff "$work/want" "$work/out" >&2 || fail "entry reports differ"

# Damaged or hostile input: a message and status 2, never a crash.
expect_refusal() {
  local message=$1 status=0
  shift
  "$course" check "$@" >"$work/out" 2>"$work/err" || status=$?
  [[ $status -eq 2 ]] || fail "status $status for $*"
  grep -q "$message" "$work/err" || fail "message '$message' for $*: $(cat "$work/err")"
}
printf '\x00\x01\x01' >"$work/cut"
expect_refusal 'damaged course entry' "$work/cut"
expect_refusal 'cannot read' "$work/missing.course"
printf 'hole 0\ngrid\n' >"$work/bad.course"
expect_refusal 'bad.course:2: the grid needs 9 rows' "$work/bad.course"
# A hole beyond 17 and a second record of a hole are never played.
{ cat clean.course; sed 's/^hole 0/hole 18/' clean.course; cat clean.course; } >"$work/many.course"
"$course" check "$work/many.course" >"$work/out" && fail "many holes passed"
grep -q ':23: hole 18: the game plays holes 0 to 17 only$' "$work/out" || fail "$(cat "$work/out")"
grep -q ':44: hole 0 again (first on line 2): the game plays only the first$' "$work/out" ||
  fail "$(cat "$work/out")"
echo "pt-course check: all checks passed"
