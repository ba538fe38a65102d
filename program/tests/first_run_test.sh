#!/usr/bin/env bash
# The start-up prepares a new device as an installation would (registry key, the archive and
# help page linked in), never touches a key that exists, and says clearly when no archive is found.
# Usage: first_run_test.sh PUTTLAND PT_REGISTRY
set -euo pipefail
# Each run plays a script that ends the program at once, as closing its window does.
end="$(cd "$(dirname "$0")" && pwd)/scripts/end.pts"
game=$1
registry=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key='HKLM\Software\Ombrelune\Puttland'

# A new device: the key with both paths, and the files they name.
PUTTLAND_BACKEND=headless "$game" --headless --script "$end" --device "$work/new" 2>"$work/err" || {
  cat "$work/err"; exit 1; }
[[ $("$registry" --device "$work/new" get "$key" "Resource File") == *'\Program Files\Puttland\puttland.dat'* ]]
[[ $("$registry" --device "$work/new" get "$key" "Help File") == *'\Program Files\Puttland\puttland.html'* ]]
[[ -s "$work/new/Program Files/Puttland/puttland.dat" ]]

# An installed device: the start-up leaves its key as it was (the game itself may save its
# settings record at exit; that is no business of the start-up's).
"$registry" --device "$work/old" set "$key" "Resource File" sz '\Program Files\Puttland\puttland.dat'
"$registry" --device "$work/old" set "$key" "Owner" sz 'the device owner'
PUTTLAND_BACKEND=headless "$game" --headless --script "$end" --device "$work/old" 2>"$work/err"
[[ $("$registry" --device "$work/old" get "$key" "Resource File") == *'\Program Files\Puttland\puttland.dat'* ]]
[[ $("$registry" --device "$work/old" get "$key" "Owner") == *'the device owner'* ]]
if "$registry" --device "$work/old" get "$key" "Help File" >/dev/null 2>&1; then
  echo "the start-up added \"Help File\" to a key that existed"; exit 1
fi
[[ -s "$work/old/Program Files/Puttland/puttland.dat" ]]

# No archive anywhere: the start-up says where it looked and that the device has no key.
PUTTLAND_DATA="$work/nowhere" PUTTLAND_BACKEND=headless "$game" --headless --script "$end" \
  --device "$work/bare" 2>"$work/err" || true
grep -q 'no data archive' "$work/err" || { cat "$work/err"; exit 1; }
grep -q 'has no registry key' "$work/err" || { cat "$work/err"; exit 1; }
[[ ! -e "$work/bare/registry.reg" ]] || ! grep -q Ombrelune "$work/bare/registry.reg"

# A key whose archive is gone: the device path and the host path tried are named.
"$registry" --device "$work/old" set "$key" "Resource File" sz '\Program Files\Puttland\gone.dat'
PUTTLAND_BACKEND=headless "$game" --headless --script "$end" --device "$work/old" 2>"$work/err" || true
grep -q 'cannot read the data archive .*gone.dat (.*/old/Program Files/Puttland/gone.dat)' \
  "$work/err" || { cat "$work/err"; exit 1; }
echo "first run: all cases passed"
