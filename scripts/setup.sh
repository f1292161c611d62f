#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
#   setup.sh game     what building and playing the Linux game needs
#   setup.sh package  also the Windows cross-compiler and what makes and checks the packages
#   setup.sh fuzz     also clang with libFuzzer for the picture decoders' fuzz targets
#   setup.sh all      all of that, and Wine and the X tools the tests use
set -euo pipefail

game_packages=(cmake ninja-build g++ pkg-config libsdl2-dev libx11-dev libstb-dev fonts-liberation2
  libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev libwayland-dev wayland-protocols
  espeak-ng sox ccache)
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix)
package_packages=(nsis dpkg-dev lintian appstream desktop-file-utils)
fuzz_packages=(clang-14 libfuzzer-14-dev)
test_packages=(wine wine64 xvfb xauth xdotool x11-apps x11-utils x11-xkb-utils imagemagick xfwm4
  openbox dbus-x11 xterm sway wtype)
# The headless GNOME Shell and KWin of the desktop tests, without their recommended desktops.
desktop_packages=(gnome-shell mutter xwayland dbus xdg-desktop-portal python3-dbus libgl1-mesa-dri
  libegl-mesa0 kwin-wayland qdbus-qt5 plasma-wayland-protocols)

wanted=("${game_packages[@]}")
case "${1:-game}" in
  package) wanted+=("${windows_packages[@]}" "${package_packages[@]}") ;;
  fuzz) wanted+=("${fuzz_packages[@]}") ;;
  all) wanted+=("${windows_packages[@]}" "${package_packages[@]}" "${fuzz_packages[@]}"
    "${test_packages[@]}" "${desktop_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}. Run this script as root, or install them first." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
lean=()
plain=()
for package in "${missing[@]}"; do
  if [[ " ${desktop_packages[*]} " == *" $package "* ]]; then lean+=("$package"); else plain+=("$package"); fi
done
[ ${#plain[@]} -eq 0 ] || apt-get install -y -q "${plain[@]}"
[ ${#lean[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${lean[@]}"
