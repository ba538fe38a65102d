#!/usr/bin/env bash
# pt-prefs: text encodes to a store whose dump encodes to the very same bytes.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/settings.txt" <<'TEXT'
"Sound" 0x10001 int 1
"PlayerName" 0x10001 text "Ada \"the putter\""
"Resource File" 0x10001 text "\\Program Files\\Puttland\\pt.dat"
"Odd" 0x10001 text "\\x41\\\" ends in \\"
"HS10" 0x10001 int -3
"Engine" 0x10002 store {
  "Course" 0x10002 store {
    "Course number" 0x10001 int 2
  }
  "Ball" 0x10002 store {
    "posx" 0x10001 double 117.25
    "raw" 0x10001 hex 00 FF 10
  }
}
TEXT
"$tool" encode "$work/settings.txt" "$work/a.bin"
"$tool" dump "$work/a.bin" > "$work/dump.txt"
"$tool" encode "$work/dump.txt" "$work/b.bin"
cmp "$work/a.bin" "$work/b.bin"
diff "$work/settings.txt" "$work/dump.txt"
# The first record is the 21 bytes of the integer 1 under "Sound".
[[ $(head -c 21 "$work/a.bin" | od -An -tx1 | tr -d ' \n') == 000100010000000500000004536f756e6401000000 ]]
# A doubled backslash is one byte in the store.
grep -aq 'Resource File.*\\Program Files\\Puttland\\pt\.dat' "$work/a.bin"
grep -aqF '\x41\" ends in \' "$work/a.bin"
# A single backslash before anything but " \ or x is refused, not dropped.
printf '"Resource File" 0x10001 text "\\Program Files\\pt.dat"\n' > "$work/single.txt"
if "$tool" encode "$work/single.txt" "$work/c.bin" 2> "$work/error.txt"; then
  echo "a single backslash was accepted" >&2
  exit 1
fi
grep -q 'line 1: text: unknown escape' "$work/error.txt"
printf '"K" 0x10001 text "\\x4Z"\n' > "$work/badhex.txt"
if "$tool" encode "$work/badhex.txt" "$work/c.bin" 2> "$work/error.txt"; then
  echo "a bad \\x escape was accepted" >&2
  exit 1
fi
grep -q 'needs two hex digits' "$work/error.txt"
"$tool" --help | grep -q 'pt-prefs dump'
