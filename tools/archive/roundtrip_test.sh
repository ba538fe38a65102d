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
# Several folders and files make one archive; two inputs with one name are refused, and a
# failed pack leaves the previous archive as it was, with no temporary file behind.
mkdir "$work/more"
printf 'hole' > "$work/more/course002"
printf 'tee' > "$work/course003"
"$tool" pack "$work/in" "$work/more" "$work/course003" -o "$work/all.dat" >/dev/null
[[ $("$tool" list "$work/all.dat" | wc -l) -eq 5 ]]
cp "$work/all.dat" "$work/kept.dat"
printf 'other' > "$work/more/course001"
if "$tool" pack "$work/in" "$work/more" -o "$work/all.dat" 2>"$work/err"; then exit 1; fi
grep -q 'two inputs are named course001' "$work/err"
cmp "$work/all.dat" "$work/kept.dat"
[[ ! -e "$work/all.dat.tmp" ]]
"$tool" --help | grep -q 'pt-archive pack'
