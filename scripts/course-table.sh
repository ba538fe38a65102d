#!/usr/bin/env bash
# Prints a Markdown table of how hard the five courses are, from pt-solve: per course the mean
# fewest strokes over its holes, how many holes offer a hole in one from the tee, and the mean
# share of sensible first shots that end in a hazard. Usage: scripts/course-table.sh [BUILD_DIR]
# (default build; the tool is built there first). Holes pt-solve cannot hole within 4 strokes
# count as 5 and are named under the table.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [[ ! -x $build/bin/pt-solve ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target pt-solve >/dev/null
fi
solve=$build/bin/pt-solve
names=(Garden "Golf club" Desert Moon Mars)
out=$(mktemp)
trap 'rm -f "$out"' EXIT

echo "| Course | Holes | Mean fewest strokes | Holes with a hole in one | Mean hazard share of sensible first shots |"
echo "|---|---:|---:|---:|---:|"
notes=""
for n in 1 2 3 4 5; do
  source=content/courses/course00$n.course
  name=${names[n - 1]}
  if [[ ! -f $source ]]; then
    echo "| $n $name | – | – | – | – |"
    continue
  fi
  "$solve" "$source" >"$out" || true
  row=$(awk -v label="$n $name" '
    /^hole [0-9]+: [0-9]+ stroke/ { holes++; strokes += $3 }
    /^hole [0-9]+: unreachable/ { holes++; strokes += 5; split($2, h, ":"); missing = missing " " h[1] }
    /^  hole in one: [1-9]/ { ones++ }
    /^  hazard: [0-9.]+% of/ { share += $2 + 0; shares++ }
    /^  hazard: no sensible/ { shares++ }
    END {
      if (holes == 0) { printf "| %s | 0 | – | – | – |\n", label; exit }
      printf "| %s | %d | %.2f | %d | %.1f%% |\n", label, holes, strokes / holes, ones,
             shares ? share / shares : 0
      if (missing != "") printf "NOTE %s: not holed within 4 strokes: hole%s\n", label, missing
    }' "$out")
  echo "$row" | grep -v '^NOTE' || true
  notes+=$(echo "$row" | sed -n 's/^NOTE //p')
done
if [[ -n $notes ]]; then
  echo
  echo "$notes"
fi
