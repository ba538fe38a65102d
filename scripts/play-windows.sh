#!/usr/bin/env bash
# Builds the game for Windows (and the data archive) if needed and plays it under Wine in a
# 240x320 virtual desktop, with a Wine prefix of its own in the build folder, prepared as the
# installation would leave it: the archive and help page in "C:\Program Files\Puttland" and the
# game's registry key naming them. Usage: scripts/play-windows.sh [build-dir] (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in wine wineserver x86_64-w64-mingw32-g++-posix; do
  command -v "$tool" >/dev/null || { echo "play-windows: $tool is missing (scripts/deps.sh --all)"; exit 1; }
done
if [[ ! -f $build/build.ninja ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target archive puttland_windows

exe=$(realpath "$build/puttland-windows/bin/Puttland.exe")
export WINEPREFIX=$(realpath -m "$build/wine-prefix")
export WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "play-windows: creating the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
fi
folder="$WINEPREFIX/drive_c/Program Files/Puttland"
mkdir -p "$folder"
cp -f "$build/bin/puttland.dat" "$build/bin/puttland.html" "$folder/"
# The key is written on every start: the values name the files just copied, and the player's
# settings below it (the "Preferences" sub-key) stay as they are.
wine reg add 'HKLM\Software\Ombrelune\Puttland' /v 'Resource File' /t REG_SZ \
  /d 'C:\Program Files\Puttland\puttland.dat' /f >/dev/null
wine reg add 'HKLM\Software\Ombrelune\Puttland' /v 'Help File' /t REG_SZ \
  /d 'C:\Program Files\Puttland\puttland.html' /f >/dev/null
exec wine explorer /desktop=puttland,240x320 "$(winepath -w "$exe")"
