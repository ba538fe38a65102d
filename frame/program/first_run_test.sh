#!/usr/bin/env bash
# The start-up prepares a new device as an installation would (registry key, the archive and
# help page linked in), never touches a key that exists, and says clearly when no archive is found.
# Usage: first_run_test.sh PUTTLAND PT_REGISTRY
set -euo pipefail
game=$1
registry=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key='HKLM\Software\Ombrelune\Puttland'

# A new device: the key with both paths, and the files they name.
PUTTLAND_BACKEND=headless "$game" --headless --device "$work/new" 2>"$work/err" || {
  cat "$work/err"; exit 1; }
[[ $("$registry" --device "$work/new" get "$key" "Resource File") == *'\Program Files\Puttland\puttland.dat'* ]]
[[ $("$registry" --device "$work/new" get "$key" "Help File") == *'\Program Files\Puttland\puttland.html'* ]]
[[ -s "$work/new/Program Files/Puttland/puttland.dat" ]]

# An installed device: its own key and the player's settings stay exactly as they were.
"$registry" --device "$work/old" set "$key" "Resource File" sz '\Program Files\Puttland\puttland.dat'
"$registry" --device "$work/old" set "$key\Preferences" "Preference0" binary 0a0b0c
cp "$work/old/registry.reg" "$work/before.reg"
PUTTLAND_BACKEND=headless "$game" --headless --device "$work/old" 2>"$work/err"
diff "$work/before.reg" "$work/old/registry.reg"
[[ -s "$work/old/Program Files/Puttland/puttland.dat" ]]

# No archive anywhere: the start-up says where it looked and that the device has no key.
PUTTLAND_DATA="$work/nowhere" PUTTLAND_BACKEND=headless "$game" --headless \
  --device "$work/bare" 2>"$work/err" || true
grep -q 'no data archive' "$work/err" || { cat "$work/err"; exit 1; }
grep -q 'has no registry key' "$work/err" || { cat "$work/err"; exit 1; }
[[ ! -e "$work/bare/registry.reg" ]] || ! grep -q Ombrelune "$work/bare/registry.reg"

# A key whose archive is gone: the device path and the host path tried are named.
"$registry" --device "$work/old" set "$key" "Resource File" sz '\Program Files\Puttland\gone.dat'
PUTTLAND_BACKEND=headless "$game" --headless --device "$work/old" 2>"$work/err" || true
grep -q 'cannot read the data archive .*gone.dat (.*/old/Program Files/Puttland/gone.dat)' \
  "$work/err" || { cat "$work/err"; exit 1; }
echo "first run: all cases passed"
