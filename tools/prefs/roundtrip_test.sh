#!/usr/bin/env bash
# pt-prefs: text encodes to a store whose dump encodes to the very same bytes.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/settings.txt" <<'TEXT'
"Sound" 0x10001 int 1
"PlayerName" 0x10001 text "Ada \"the putter\""
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
"$tool" --help | grep -q 'pt-prefs dump'
