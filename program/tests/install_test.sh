#!/usr/bin/env bash
# `cmake --install` lays out the program, its data, a desktop entry and an icon; the installed
# program, started from another folder, prepares a new device from its installed data.
# Usage: install_test.sh CMAKE BUILD_DIR
set -euo pipefail
# Each run plays a script that ends the program at once, as closing its window does.
end="$(cd "$(dirname "$0")" && pwd)/scripts/end.pts"
cmake=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/Puttland share/puttland/puttland.dat share/puttland/puttland.html \
         share/applications/puttland.desktop share/icons/hicolor/48x48/apps/puttland.png; do
  [[ -s "$work/prefix/$f" ]] || { echo "missing $f"; exit 1; }
done
grep -q '^Exec=Puttland$' "$work/prefix/share/applications/puttland.desktop"
cd "$work"
PUTTLAND_BACKEND=headless "$work/prefix/bin/Puttland" --headless --script "$end" --device "$work/device"
[[ $(readlink "$work/device/Program Files/Puttland/puttland.dat") == \
   "$work/prefix/share/puttland/puttland.dat" ]]
grep -q 'Resource File' "$work/device/registry.reg"
echo "install: passed"
