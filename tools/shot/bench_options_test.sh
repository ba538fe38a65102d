#!/usr/bin/env bash
# pt-shot bench plays its mix under the same --max-steps and --no-overlap-mend as trace and aim.
set -euo pipefail
tool=$1
# "pass steps S, stopped A, holed B, hazard C, limit D": one round of the mix, deterministic.
pass() { "$tool" bench "$@" | grep '^pass '; }

# One step a shot: every shot of the mix ends at the limit after exactly one step.
out=$("$tool" bench --max-steps 1)
shots=$(sed -n 's/.*(\([0-9]*\) different).*/\1/p' <<< "$out")
[[ -n $shots ]]
grep -qx "pass steps $shots, stopped 0, holed 0, hazard 0, limit $shots" <<< "$out" || {
  echo "--max-steps 1 not honoured: $out" >&2
  exit 1
}

# On the test holes the overlap rule matters to some shots of the mix, so letting a ball pass
# through a wall it overlaps changes how the round rolls.
mended=$(pass)
through=$(pass --no-overlap-mend)
[[ $mended == *"limit 0" ]]
if [[ $mended == "$through" ]]; then
  echo "--no-overlap-mend not honoured: $mended" >&2
  exit 1
fi

# bench starts from every tee, so a start point is refused rather than ignored.
if "$tool" bench --from 10 10 2> /dev/null; then
  echo "bench accepted --from" >&2
  exit 1
fi
