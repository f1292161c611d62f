#!/usr/bin/env bash
# Makes the Windows packages from the build's install: a zip of one "Wobbleton Playboard" folder,
# and the NSIS installer of the same files, whose uninstaller removes exactly those.
#
# Usage: make_packages.sh BUILD_DIR VERSION ICON ZIP SETUP (ZIP and SETUP absolute paths)
set -euo pipefail
build=$1 version=$2 icon=$3 zip=$4 setup=$5
here=$(cd "$(dirname "$0")" && pwd)
work=$build/packaging/windows
folder="Wobbleton Playboard"
stage=$work/stage/$folder

rm -rf "$work"
mkdir -p "$stage" "$(dirname "$zip")" "$(dirname "$setup")"
cmake --install "$build" --prefix "$stage" >/dev/null

rm -f "$zip"
(cd "$work/stage" && cmake -E tar cf "$zip" --format=zip "$folder")

# The installer's and the uninstaller's file lists. The folder is flat: NSIS's File puts each
# file into the one output folder.
files=()
mapfile -t files < <(cd "$stage" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
: >"$work/install_files.nsh"
: >"$work/uninstall_files.nsh"
for name in "${files[@]}"; do
  if [[ ! -f "$stage/$name" || "$name" == */* || "$name" == *[\"\$]* ]]; then
    echo "make_packages.sh: cannot pack \"$name\": only plain file names in one folder" >&2
    exit 1
  fi
  printf 'File "%s"\n' "$stage/$name" >>"$work/install_files.nsh"
  printf '!insertmacro DeleteInstalled "$INSTDIR\\%s"\n' "$name" >>"$work/uninstall_files.nsh"
done

makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DICON="$icon" \
  -DINSTALL_FILES="$work/install_files.nsh" -DUNINSTALL_FILES="$work/uninstall_files.nsh" \
  -DOUTFILE="$setup" "$here/wobbleton-playboard.nsi"
echo "$zip"
echo "$setup"
