#!/usr/bin/env bash
# pt-lzrw: every algorithm, raw stream and Compressor block, gives the input back; the LZRW2
# block of forty letters a is the documented one.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ for i in $(seq 1 400); do echo "hole $i par $((i % 5)) slope $((i * 7 % 13))"; done; } > "$work/in.txt"
for alg in lzrw1a lzrw2 lzrw3 lzrw3a; do
  "$tool" compress "$alg" "$work/in.txt" "$work/$alg.raw"
  "$tool" decompress "$alg" "$work/$alg.raw" "$work/$alg.out"
  cmp "$work/in.txt" "$work/$alg.out"
  "$tool" compress "$alg" "$work/in.txt" "$work/$alg.blk" --block
  "$tool" decompress "$alg" "$work/$alg.blk" "$work/$alg.blk.out" --block
  cmp "$work/in.txt" "$work/$alg.blk.out"
  [[ $(stat -c %s "$work/$alg.raw") -lt $(stat -c %s "$work/in.txt") ]]
done
printf 'a%.0s' {1..40} > "$work/a.txt"
"$tool" compress lzrw2 "$work/a.txt" "$work/a.blk" --block
[[ $(od -An -tx1 "$work/a.blk" | tr -d ' \n') == 3a738f3d2800000000000000c6ff610f000f01616161 ]]
"$tool" --help | grep -q 'pt-lzrw bench'
