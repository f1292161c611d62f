#!/usr/bin/env bash
# The Debian package: its control fields, exactly the files Debian's layout for games asks for
# with their owners and modes, a stripped program, intact md5sums, the font link pointing into
# the font package, and dependencies that are exactly what dpkg-shlibdeps finds plus that package.
#
# Usage: deb_contents.sh PACKAGE.deb APP_DIR VERSION
set -u
deb=$1 app_dir=$2 version=$3
package=wobbleton-playboard
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
[[ -f "$deb" ]] || { echo "FAIL: no $deb (build the dist target)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

while IFS='|' read -r name expected; do
  actual=$(dpkg-deb -f "$deb" "$name")
  [[ "$actual" == "$expected" ]] || fail "control field $name is \"$actual\", not \"$expected\""
done <<TABLE
Package|$package
Version|$version
Architecture|$(dpkg --print-architecture)
Section|games
Priority|optional
TABLE

# Every file and link: mode, owner, path (and a link's target). Folders are left out.
data=./usr/share/games/$package
expected=$( {
  echo "-rwxr-xr-x root/root ./usr/games/$package"
  echo "-rw-r--r-- root/root ./usr/share/applications/org.wobbleton.playboard.desktop"
  echo "-rw-r--r-- root/root ./usr/share/metainfo/org.wobbleton.playboard.metainfo.xml"
  echo "-rw-r--r-- root/root ./usr/share/man/man6/$package.6.gz"
  echo "-rw-r--r-- root/root ./usr/share/doc/$package/copyright"
  echo "-rw-r--r-- root/root ./usr/share/doc/$package/changelog.gz"
  for size in 16 32 48 64 128 256; do
    echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x$size/apps/$package.png"
  done
  echo "lrwxrwxrwx root/root $data/LiberationSans-Bold.ttf -> ../../fonts/truetype/liberation2/LiberationSans-Bold.ttf"
  (cd "$app_dir" && find . -type f -printf '%P\n') | grep -vx -e wob -e LiberationSans-Bold.ttf |
    sed "s|^|-rw-r--r-- root/root $data/|"
} | LC_ALL=C sort)
actual=$(dpkg-deb -c "$deb" | grep -v '^d' |
  awk '{ line = $1 " " $2; for (i = 6; i <= NF; i++) line = line " " $i; print line }' |
  LC_ALL=C sort)
[[ "$actual" == "$expected" ]] ||
  fail "package files: $(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | tr '\n' ' ')"
dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { bad = 1 } END { exit bad }' ||
  fail "a folder of the package is not drwxr-xr-x"

root=$work/root
dpkg-deb -R "$deb" "$root"
(cd "$root" && md5sum --quiet -c DEBIAN/md5sums) || fail "md5sums do not match the files"
readelf -S "$root/usr/games/$package" | grep -q '\.symtab' && fail "the program is not stripped"
owner=$(dpkg -S "$font" 2>/dev/null | cut -d: -f1)
[[ "$owner" == fonts-liberation2 ]] || fail "$font belongs to \"$owner\", not fonts-liberation2"

mkdir -p "$work/shlibs/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" \
  >"$work/shlibs/debian/control"
libraries=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/games/$package" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
depends=$(dpkg-deb -f "$deb" Depends)
[[ -n "$libraries" && "$depends" == "$libraries, fonts-liberation2" ]] ||
  fail "Depends is \"$depends\", not \"$libraries, fonts-liberation2\""

((failures == 0)) && echo "PASS: $(echo "$actual" | wc -l) files, control fields and dependencies"
exit $((failures > 0))
