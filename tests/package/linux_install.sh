#!/usr/bin/env bash
# `cmake --install` into a fresh prefix lays out the same files as the Debian package, and the
# installed game, started by its name from the PATH in an unrelated folder, finds its pictures:
# under its own Xvfb it shows the splash and the menu and ends with Ctrl+Alt+T and exit code 0.
#
# Usage: linux_install.sh BUILD_DIR PACKAGE.deb OUT_DIR
set -u
build=$1 deb=$2 out=$3
package=wobbleton-playboard
[[ -f "$deb" ]] || { echo "FAIL: no $deb (build the dist target)" >&2; exit 1; }
scratch=$(mktemp -d)
prefix=$scratch/prefix
elsewhere=$scratch/elsewhere
mkdir -p "$elsewhere"

wob=$package
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"
trap 'lib_stop_all; rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 ||
  fail "cmake --install failed: $(tail -n 5 "$out/install.log")"
installed=$(cd "$prefix" && find . -mindepth 1 ! -type d | sed 's|^\./|./usr/|' | LC_ALL=C sort)
packaged=$(dpkg-deb -c "$deb" | grep -v '^d' | awk '{ print $6 }' | LC_ALL=C sort)
[[ "$installed" == "$packaged" ]] ||
  fail "install and package differ: $(diff <(echo "$packaged") <(echo "$installed") |
    grep '^[<>]' | tr '\n' ' ')"
[[ -r "$prefix/share/games/$package/LiberationSans-Bold.ttf" ]] ||
  fail "the installed font link leads nowhere"

export PATH="$prefix/games:$PATH"
# The layout is read from the installed data folder; the game itself is found on the PATH.
wob_assets=$prefix/share/games/$package
cd "$elsewhere" || fail "no folder $elsewhere"
start_game_to_menu
end_game
echo "PASS: the install matches the package; the installed game ran from $elsewhere"
