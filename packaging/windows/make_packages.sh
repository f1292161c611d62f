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

# The installer's and the uninstaller's file lists. Each file goes into its folder (NSIS's File
# writes into the current output folder); the uninstaller then removes the emptied folders,
# deepest first.
files=()
mapfile -t files < <(cd "$stage" && find . -mindepth 1 -type f -printf '%P\n' | LC_ALL=C sort)
: >"$work/install_files.nsh"
: >"$work/uninstall_files.nsh"
folder_now=
for name in "${files[@]}"; do
  if [[ "$name" == *[\"\$\\]* || "$name" == */*/*/* ]]; then
    echo "make_packages.sh: cannot pack \"$name\": plain names at most two folders deep" >&2
    exit 1
  fi
  folder_of=
  [[ "$name" == */* ]] && folder_of=\\${name%/*} && folder_of=${folder_of//\//\\}
  if [[ "$folder_of" != "$folder_now" ]]; then
    printf 'SetOutPath "$INSTDIR%s"\n' "$folder_of" >>"$work/install_files.nsh"
    folder_now=$folder_of
  fi
  printf 'File "%s"\n' "$stage/$name" >>"$work/install_files.nsh"
  printf '!insertmacro DeleteInstalled "$INSTDIR\\%s"\n' "${name//\//\\}" >>"$work/uninstall_files.nsh"
done
printf 'SetOutPath "$INSTDIR"\n' >>"$work/install_files.nsh"
while read -r sub; do
  printf 'RMDir "$INSTDIR\\%s"\n' "${sub//\//\\}" >>"$work/uninstall_files.nsh"
done < <(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r)

makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DICON="$icon" \
  -DINSTALL_FILES="$work/install_files.nsh" -DUNINSTALL_FILES="$work/uninstall_files.nsh" \
  -DOUTFILE="$setup" "$here/wobbleton-playboard.nsi"
echo "$zip"
echo "$setup"
