#!/usr/bin/env bash
# Compiles every source file of the handheld program (frame/, storage/, golf/, screens/) with
# mingw-w64 against the real Windows headers, so that nothing but real API creeps into it. The
# Windows CE calls the desktop headers lack come from platform/mingw-check/ce_extras.h (with the
# desktop build's shim headers in program/windows/shim/), forced into each file.
# platform/mingw-check/surface.cpp, which calls the platform's whole API, is
# compiled the same way, and once more against the platform's own headers to prove they offer
# all of it. Test, fuzz, benchmark and tool sources are not part of the program and are skipped,
# program/ (the start-up on this machine around the program's entry routine) is not part of them.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null 2>&1; then
  echo "ci-mingw: $compiler is not installed (scripts/deps.sh --all installs it); check skipped"
  exit 0
fi

check=platform/mingw-check
flags=(-std=c++20 -fsyntax-only -DUNICODE -D_UNICODE -include "$check/ce_extras.h" -I program/windows/shim -I .)
for dir in frame storage golf screens; do
  [[ -d $dir ]] && flags+=(-I "$dir")
done

mapfile -t sources < <(find frame storage golf screens -name '*.cpp' 2>/dev/null |
  grep -Ev '(_test\.cpp$|/tests/|/fuzz/|/bench/|/tools/)' | sort)
sources+=("$check/surface.cpp")

failed=0
for source in "${sources[@]}"; do
  if ! "$compiler" "${flags[@]}" "$source"; then
    echo "ci-mingw: $source does not compile against the Windows headers"
    failed=1
  fi
done
echo "ci-mingw: ${#sources[@]} files checked against the Windows headers"

# The same surface against the platform's headers, with the host compiler; skipped while one of
# them is still a placeholder that a subsystem of the platform has yet to fill in.
if placeholders=$(grep -l "Filled in with the layer that implements it" platform/include/*.h); then
  echo "ci-mingw: placeholder headers ($(echo $placeholders)); surface check against them skipped"
elif ! g++ -std=c++20 -fsyntax-only -I platform/include "$check/surface.cpp"; then
  echo "ci-mingw: the platform's headers lack part of the API surface (see above)"
  failed=1
fi
exit $failed
