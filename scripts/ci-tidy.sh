#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every project source in the build's
# compile_commands.json (generated sources and the skipped folders below left out), two files at
# a time, and fails on any finding. Usage: scripts/ci-tidy.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
jobs=2
# Folders left unchecked (none at present: '^$' matches no file); their findings, reached
# through their headers, would be listed without failing the check.
skip='^$'

tidy=$(command -v clang-tidy || command -v clang-tidy-14 || true)
if [[ -z $tidy ]]; then
  echo "ci-tidy: clang-tidy is not installed (scripts/deps.sh installs it)"
  exit 1
fi
if [[ ! -f $build/compile_commands.json ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi

mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" |
  sed "s|^$root/||" | grep -Ev "^(/|$build/)" | grep -Ev "$skip" | sort -u)
if ((${#files[@]} == 0)); then
  echo "ci-tidy: no project sources in $build/compile_commands.json"
  exit 1
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
start=$SECONDS
# Each file's diagnostics go to a log of their own, so that parallel runs do not interleave; a
# file on which clang-tidy itself fails (it does not compile, or it crashes) is noted apart.
printf '%s\n' "${files[@]}" | nl -ba -w1 -s' ' |
  xargs -P "$jobs" -L1 sh -c \
    '"$0" -p "$1" --quiet "$4" >"$2/$3.log" 2>&1 || echo "$4" >"$2/$3.failed"' \
    "$tidy" "$build" "$out"
elapsed=$((SECONDS - start))

diagnostic='^[^ ].*:[0-9]+:[0-9]+: (warning|error):'
cat "$out"/*.log | grep -E "$diagnostic" | sed "s|^$root/||" | sort -u >"$out/all" || true
grep -Ev "$skip" "$out/all" >"$out/findings" || true
grep -E "$skip" "$out/all" >"$out/skipped" || true
cat "$out"/*.failed 2>/dev/null | sort >"$out/failed" || true
findings=$(wc -l <"$out/findings")
failed=$(wc -l <"$out/failed")

if [[ -s $out/skipped ]]; then
  echo "ci-tidy: $(wc -l <"$out/skipped") finding(s) in skipped folders (not failing the check):"
  sed 's/^/  /' "$out/skipped"
fi
if ((findings > 0 || failed > 0)); then
  for log in "$out"/*.log; do
    if grep -Eq "$diagnostic" "$log"; then
      grep -Ev '^[0-9]+ (warnings?|errors?)( and [0-9]+ errors?)? generated' "$log" | sed "s|^$root/||"
    fi
  done
fi
if ((failed > 0)); then
  echo "ci-tidy: clang-tidy failed on:"
  sed 's/^/  /' "$out/failed"
fi
if ((findings > 0)); then
  echo "ci-tidy: findings by check:"
  grep -oE '\[[^]]+\]$' "$out/findings" | sort | uniq -c | sort -rn
fi
echo "ci-tidy: ${#files[@]} files checked in ${elapsed}s: $findings finding(s), $failed file(s) failed"
((findings == 0 && failed == 0))
