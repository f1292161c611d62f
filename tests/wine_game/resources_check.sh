#!/usr/bin/env bash
# WOB.exe carries its icon, its version resource (the project's version, for example 1.0.0) and
# a per-monitor DPI aware manifest.
#
# Usage: resources_check.sh WOB.exe OBJDUMP VERSION
set -u
exe=$1 objdump=$2 version=$3
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

[[ -f "$exe" ]] || { echo "FAIL: no $exe (build the wob target)" >&2; exit 1; }
"$objdump" -h "$exe" | grep -q '\.rsrc' || fail "no resource section"

# Version strings are UTF-16 in the resource; the manifest is plain text.
wide=$(strings -el "$exe")
plain=$(strings -a "$exe")
for expected in FileVersion ProductVersion "Wobbleton Playboard" "WOB.exe" "$version"; do
  grep -qxF "$expected" <<<"$wide" || fail "version resource lacks \"$expected\""
done
grep -q "VS_VERSION_INFO" <<<"$wide" || fail "no VS_VERSION_INFO block"
grep -q "<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>" <<<"$plain" || fail "manifest: no PerMonitorV2"
grep -q "<dpiAware[^>]*>true/pm</dpiAware>" <<<"$plain" || fail "manifest: no dpiAware true/pm"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$plain" || fail "manifest: not asInvoker"

# A 16-bit number as it lies in the file: little-endian hex.
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }

# The fixed version block: signature, structure version, file and product version as
# (minor, major, build, revision) words.
IFS=. read -r major minor patch <<<"$version"
numbers=$(le16 "$minor")$(le16 "$major")0000$(le16 "$patch")
"$objdump" -s -j .rsrc "$exe" | sed 's/^ [0-9a-f]* //; s/  .*//' | tr -d ' \n' |
  grep -q "bd04effe""00000100""$numbers""$numbers" ||
  fail "fixed file information is not version $version.0"

((failures == 0)) && echo "resources: icon section, version $version and manifest present"
exit $((failures > 0))
