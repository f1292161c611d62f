#!/usr/bin/env bash
# Makes the Debian package from the build's install: the files as `cmake --install` lays them out
# under /usr, a control file whose dependencies are what dpkg-shlibdeps finds plus the font.
#
# Usage: make_deb.sh BUILD_DIR VERSION OUTPUT.deb MAINTAINER
set -euo pipefail
build=$1 version=$2 output=$3 maintainer=${4:-}
if [[ "$maintainer" != *?" <"?*@?*">" ]]; then
  echo "make_deb.sh: the package needs a maintainer, \"name <address>\": configure with" \
    "DEBFULLNAME and DEBEMAIL set, or with -DWOB_MAINTAINER='name <address>'" >&2
  exit 1
fi
package=wobbleton-playboard
work=$build/packaging/deb
root=$work/root

rm -rf "$work"
mkdir -p "$root/DEBIAN" "$work/shlibs/debian" "$(dirname "$output")"
DESTDIR=$root cmake --install "$build" --prefix /usr --strip >/dev/null

# Debian's permissions whatever the umask: folders and programs 755, everything else 644.
find "$root/usr" -type d -exec chmod 755 {} +
find "$root/usr" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/games/$package"

# dpkg-shlibdeps reads the source package's control file from the current folder.
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" \
  >"$work/shlibs/debian/control"
libraries=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/games/$package" |
  sed -n 's/^shlibs:Depends=//p')
[[ -n "$libraries" ]] || { echo "make_deb.sh: dpkg-shlibdeps found no libraries" >&2; exit 1; }

cat >"$root/DEBIAN/control" <<CONTROL
Package: $package
Version: $version
Architecture: $(dpkg --print-architecture)
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $libraries, fonts-liberation2
Section: games
Priority: optional
Description: full-screen keyboard game for small children
 A toddler bangs on the keyboard or clicks the mouse, and the screen answers
 with big pictures of letters, digits or shapes that burst a few seconds
 later into a little firework with a sound. On the paint screen the child
 paints coloured dots by moving the mouse.
 .
 While the game runs, the keys that would take a child out of it are held.
 A parent ends the game with Ctrl+Alt+T.
CONTROL
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

dpkg-deb --root-owner-group -Zxz --build "$root" "$output" >/dev/null
echo "$output"
