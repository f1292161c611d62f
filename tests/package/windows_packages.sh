#!/usr/bin/env bash
# The Windows packages without Wine: the zip holds one "Wobbleton Playboard" folder with exactly
# the app folder's files, byte for byte; the installer is a 64-bit program that carries the game's
# icon and the version.
#
# Usage: windows_packages.sh ZIP SETUP APP_DIR ICON VERSION
set -u
zip=$1 setup=$2 app_dir=$3 icon=$4 version=$5
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
for file in "$zip" "$setup"; do
  [[ -f "$file" ]] || { echo "FAIL: no $file (build the dist target)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected=$( (echo "Wobbleton Playboard/"; cd "$app_dir" && find . -mindepth 1 \( -type d -printf '%P/\n' \) -o -printf '%P\n' |
  sed 's|^|Wobbleton Playboard/|') | LC_ALL=C sort)
actual=$(cmake -E tar tf "$zip" | LC_ALL=C sort)
[[ "$actual" == "$expected" ]] ||
  fail "the zip's files differ from the app folder's: $(diff <(echo "$expected") <(echo "$actual") |
    grep '^[<>]' | tr '\n' ' ')"
zip=$(realpath "$zip")
(cd "$work" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
differing=()
while read -r file; do
  cmp -s "$app_dir/$file" "$work/Wobbleton Playboard/$file" || differing+=("$file")
done < <(cd "$app_dir" && find . -type f -printf '%P\n')
((${#differing[@]} == 0)) || fail "files in the zip differ from the app folder's: ${differing[*]}"

# The icon's images lie in the installer's resources byte for byte (hex, one line each).
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }
setup_hex=$(hex "$setup")
icon_hex=$(hex "$icon")
count=$((16#${icon_hex:10:2}${icon_hex:8:2}))
((count > 0)) || fail "$icon holds no image"
for ((i = 0; i < count; i++)); do
  entry=${icon_hex:$((12 + i * 32)):32}
  size=$((16#${entry:22:2}${entry:20:2}${entry:18:2}${entry:16:2}))
  offset=$((16#${entry:30:2}${entry:28:2}${entry:26:2}${entry:24:2}))
  image=${icon_hex:$((offset * 2)):$((size * 2))}
  [[ "$setup_hex" == *"$image"* ]] || fail "the installer lacks the icon's image $((i + 1))"
done

objdump -f "$setup" 2>/dev/null | grep -q 'pei-x86-64' ||
  x86_64-w64-mingw32-objdump -f "$setup" | grep -q 'pei-x86-64' ||
  fail "the installer is no 64-bit Windows program"
strings -el "$setup" | grep -qxF "$version" || fail "the installer's version is not $version"

((failures == 0)) && echo "PASS: zip of $(echo "$expected" | wc -l) entries, installer with icon"
exit $((failures > 0))
