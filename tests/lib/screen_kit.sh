# The test and measurement scripts' toolkit: a private Xvfb, waiting, windows, screenshots and
# their measures, the game's control positions, and ending every process it was told about.
# Sourced, not run. Sourcing installs an EXIT trap that ends what lib_track registered; a script
# with clean-up of its own sets its own trap and calls lib_stop_all from it.
# shellcheck shell=bash

lib_pids=()
lib_poll=${lib_poll:-0.1}  # seconds between two tries of lib_wait_for

# Registers a process to end at exit (or at lib_stop_all).
lib_track() { lib_pids+=("$1"); }

# Ends one tracked process now, hard, and collects it.
lib_stop() {
  local pid=$1 i
  [ -n "$pid" ] || return 0
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  for i in "${!lib_pids[@]}"; do
    [ "${lib_pids[i]}" = "$pid" ] && unset 'lib_pids[i]'
  done
  return 0
}

# Ends every tracked process, the newest first (the X server last): asked to end, then, after
# five seconds, made to.
lib_stop_all() {
  local pid tries
  local -a pids=("${lib_pids[@]}")
  lib_pids=()
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || continue
    for ((tries = 50; tries > 0; tries--)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  return 0
}
trap lib_stop_all EXIT

# lib_wait_for SECONDS COMMAND...: runs the command every lib_poll seconds until it succeeds;
# false when the seconds run out.
lib_wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  while :; do
    "$@" && return 0
    ((SECONDS <= deadline)) || return 1
    sleep "$lib_poll"
  done
}

# lib_start_xvfb WIDTHxHEIGHT FOLDER: a private X server on a display nobody uses, which it picks
# itself; exports DISPLAY once the server accepts clients. Its log goes to FOLDER/xvfb.log.
lib_start_xvfb() {
  local display_file=$2/display
  mkdir -p "$2"
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$display_file" \
    </dev/null >"$2/xvfb.log" 2>&1 &
  lib_track $!
  lib_wait_for 20 grep -qs '[0-9]' "$display_file" || { echo "Xvfb did not start" >&2; return 1; }
  DISPLAY=:$(tr -dc '0-9' <"$display_file")
  export DISPLAY
}

# The visible windows of a process, one "id x y w h" line each.
lib_windows_of() {
  local id X Y WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

lib_shot() { import -display "$DISPLAY" -window root "$1"; }

# Measures of a screenshot, over an area given as an ImageMagick geometry (WxH+X+Y):
# the fraction of pixels that are not near black, that are strongly coloured, that have one
# colour; their counts; and the spread of the grey levels of the whole picture.
lib_lit_fraction() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 10% -format '%[fx:mean]' info:
}
lib_coloured_fraction() {
  convert "$1" -crop "$2" +repage -colorspace HSL -channel G -separate +channel -threshold 50% \
    -format '%[fx:mean]' info:
}
lib_colour_fraction() {  # FILE COLOUR GEOMETRY
  convert "$1" -crop "$3" +repage -fuzz 10% -fill black +opaque "$2" -fill white -opaque "$2" \
    -colorspace Gray -format '%[fx:mean]' info:
}
lib_lit_pixels() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 10% \
    -format '%[fx:round(mean * w * h)]' info:
}
lib_coloured_pixels() {
  convert "$1" -crop "$2" +repage -colorspace HSL -channel G -separate -threshold 50% \
    -format '%[fx:round(mean * w * h)]' info:
}
lib_spread() { convert "$1" -colorspace Gray -format '%[fx:standard_deviation]' info:; }
# How many pixels two screenshots differ in.
lib_difference() {
  local distance
  distance=$(compare -metric AE "$1" "$2" null: 2>&1 >/dev/null)
  echo "${distance%% *}"
}
lib_above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# lib_geometry TOOL WIDTH HEIGHT APP_FOLDER: the game's control positions at a display size,
# written by its own layout (see screen_geometry.cpp), into lib_geometry_lines. TOOL may be a
# command with arguments, such as "wine screen_geometry.exe".
lib_geometry() {
  local tool=$1
  lib_geometry_lines=$($tool "$2" "$3" "$4" | tr -d '\r')
  if [ -z "$lib_geometry_lines" ]; then
    echo "no control positions from $tool" >&2
    return 1
  fi
}
# lib_centre FORM CONTROL: "x y", the centre of a control on the screen.
lib_centre() {
  awk -v f="$1" -v c="$2" '$1 == f && $2 == c { print $3, $4; found = 1 } END { exit !found }' \
    <<<"$lib_geometry_lines"
}
# lib_area FORM CONTROL [INSET]: a control's area, less INSET pixels all round, as WxH+X+Y.
lib_area() {
  awk -v f="$1" -v c="$2" -v i="${3:-0}" '$1 == f && $2 == c {
    printf "%dx%d+%d+%d\n", $7 - 2 * i, $8 - 2 * i, $5 + i, $6 + i; found = 1 } END { exit !found }' \
    <<<"$lib_geometry_lines"
}
