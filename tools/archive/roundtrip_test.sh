#!/usr/bin/env bash
# pt-archive packs a folder (with LZRW2 blocks), lists it and extracts the same bytes again.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
printf 'pt_ball.bmp %.0s' {1..200} > "$work/in/pt_ball.bmp"
head -c 300 /dev/urandom > "$work/in/course001"
printf 'x' > "$work/in/exactly_sixteen_c"
"$tool" pack "$work/in" -o "$work/data.dat" --lzrw2 >/dev/null
"$tool" list "$work/data.dat" | grep -q '^pt_ball.bmp .* compressed$'
"$tool" list "$work/data.dat" | grep -q '^course001 .* raw$'
"$tool" extract "$work/data.dat" -C "$work/out"
diff -r "$work/in" "$work/out"
"$tool" --help | grep -q 'pt-archive pack'
