#!/bin/sh
# Builds a contact sheet of every generated picture, cursor and program icon (needs ImageMagick),
# in the order of asset_names.h. Cursors and icons are shown 4x over half white, half black.
# Usage: contact_sheet.sh <app folder> <icon folder> <output.png>
set -eu
app_dir=$1 icon_dir=$2 out=$3
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names=$(sed -n '/kAssetNames\[\] = {/,/};/p' "$here/asset_names.h" | grep -o '"[^"]*"' | tr -d '"')
set --
index=100
for name in $names wob.ico muzzle.ico muzcfg.ico; do
  index=$((index + 1))
  tile="$work/$index.png"
  case $name in
    *.jpg) convert "$app_dir/$name" -resize 160x160 "$tile" ;;
    *.ico)
      file="$app_dir/$name"
      [ -f "$file" ] || file="$icon_dir/$name"
      convert -size 64x128 xc:white -size 64x128 xc:black +append \
        \( "$file[-1]" -background none -filter point -resize 128x128 \) \
        -gravity center -composite "$tile" ;;
    *) continue ;;
  esac
  set -- "$@" -label "$name" "$tile"
done
montage "$@" -tile 12x -geometry 160x160+6+6 -background '#5a5f6e' -fill white \
  -pointsize 14 -depth 8 "$out"
