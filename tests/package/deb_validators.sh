#!/usr/bin/env bash
# The Debian package passes Debian's and freedesktop's checks: desktop-file-validate on the
# desktop entry, appstreamcli on the metainfo (alone and with the entry and icons it names), and
# lintian on the package, with no error and no warning.
#
# Usage: deb_validators.sh PACKAGE.deb
set -u
deb=$1
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
[[ -f "$deb" ]] || { echo "FAIL: no $deb (build the dist target)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"

entry=$work/root/usr/share/applications/org.wobbleton.playboard.desktop
metainfo=$work/root/usr/share/metainfo/org.wobbleton.playboard.metainfo.xml
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
grep -qE '(error|warning):' <<<"$report" && fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) ||
  fail "appstreamcli validate: $report"
report=$(appstreamcli validate-tree --no-net --no-color "$work/root" 2>&1) ||
  fail "appstreamcli validate-tree: $report"

# lintian refuses to run as root only with a notice; its tags are what counts.
tags=$(lintian --no-cfg "$deb" 2>/dev/null | grep -E '^[EW]: ')
[[ -z "$tags" ]] || fail "lintian: $tags"

((failures == 0)) && echo "PASS: desktop entry, metainfo and package validate"
exit $((failures > 0))
