#!/usr/bin/env bash
# Checks Muzzle.dll's file: a 16-byte ".shared" section that is shared between processes, and
# "@Kill@4" as its one and only export.
# Usage: quietbox_binary.sh MUZZLE_DLL OBJDUMP
set -u
dll=$1
objdump=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

headers=$("$objdump" -h "$dll") || exit 1
line=$(grep -A1 ' \.shared ' <<<"$headers" | tr '\n' ' ')
[[ -n "$line" ]] || fail "no .shared section"
size=$(awk '{print $3}' <<<"$line")
[[ $((16#$size)) -eq 16 ]] || fail ".shared is 0x$size bytes, not 16"
for flag in SHARED DATA; do
  grep -qw "$flag" <<<"$line" || fail ".shared lacks $flag: $line"
done
grep -qw READONLY <<<"$line" && fail ".shared is read-only: $line"

private=$("$objdump" -p "$dll") || exit 1
exports=$(awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^[ \t]*\[/{print $NF} on && /^$/{exit}' <<<"$private")
[[ "$exports" == "@Kill@4" ]] || fail "exports are '$exports', not only @Kill@4"
dll_name=$(grep -m1 '^Name ' <<<"$private" | awk '{print $NF}')
[[ "$dll_name" == "Muzzle.dll" ]] || fail "export directory names '$dll_name'"

[[ $failed -eq 0 ]] && echo "Muzzle.dll: .shared 16 bytes shared, one export @Kill@4"
exit $failed
