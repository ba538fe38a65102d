#!/usr/bin/env bash
# Installs the Debian packages the build needs, once: only what is missing, non-interactively.
# --all adds the Windows toolchain, Wine, and the X tools and library that the tests of the
# Windows programs use.
set -euo pipefail
packages=(cmake ninja-build pkg-config g++ clang libclang-rt-14-dev clang-format clang-tidy
          libgtest-dev libgmock-dev libbenchmark-dev libsdl2-dev libfreetype-dev libpng-dev
          fonts-dejavu-core liblz4-dev)
if [[ "${1:-}" == "--all" ]]; then
  packages+=(mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool libx11-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
