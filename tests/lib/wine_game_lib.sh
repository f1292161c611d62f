# Shared functions of the game's Wine tests: start and watch the game and its companion, read its
# windows, take screenshots.
# Expects app_dir, driver and work to be set by the caller, and WOB_SCREEN_GEOMETRY naming the
# Windows build of the program that prints where the game's controls stand.
# shellcheck source=screen_kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/screen_kit.sh"

game_pid=""
failures=0

fail() {
  echo "FAIL: $*" >&2
  echo "windows:" >&2
  forms_now | sed 's/^/  /' >&2
  echo "companion processes: $(companions | tr '\n' ' ')" >&2
  local title
  drive list | awk -F'|' '$1 == "#32770" && $4 == 1 { print $2 }' | while read -r title; do
    echo "  dialog: $(drive msgbox "$title" 500)" >&2
  done
  failures=$((failures + 1))
  finish
}

# Ends what the test started and any companion left behind, which would otherwise be found
# running by the next test in the same Wine prefix. A clean-up that fails fails the test.
finish() {
  lib_stop_all
  if ! stop_companions; then
    echo "FAIL: clean-up: a companion still runs: $(companions | tr '\n' ' ')" >&2
    failures=$((failures + 1))
  fi
  if [[ -n "$(drive processes WOB.exe)" ]]; then
    echo "FAIL: clean-up: a game still runs" >&2
    failures=$((failures + 1))
  fi
  if ((failures == 0)); then echo "PASS"; fi
  exit $((failures > 0))
}

# A test begins with no game and no companion running, or it fails saying what it found.
begin_clean() {
  [[ -z "$(drive processes WOB.exe)" ]] || { echo "FAIL: a game of an earlier test still runs" >&2; exit 1; }
  no_companion 10 || { echo "FAIL: a companion of an earlier test still runs" >&2; exit 1; }
}

drive() { wine "$driver" "$@" </dev/null 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

start_game() {
  local folder=$1
  [[ -f "$folder/WOB.exe" ]] || { echo "FAIL: no $folder/WOB.exe (build the wob target)" >&2; exit 1; }
  (cd "$folder" && exec wine WOB.exe </dev/null >>"$work/game.log" 2>&1) &
  game_pid=$!
  lib_track "$game_pid"
}

# Starts the companion host PROGRAM (a path) by itself and waits for its hidden window.
start_companion() {
  (cd "$(dirname "$1")" && exec wine "$(basename "$1")" </dev/null >/dev/null 2>&1) &
  lib_track $!
  drive wait MuzzleFrame - 15000 >/dev/null
}

# The Windows process ids of the running companion hosts, whatever the case of their file name.
companions() { drive processes Muzzle.exe | cut -d'|' -f1; }

# Waits up to SECONDS for exactly one companion, then checks for HOLD seconds that it stays the
# only one, with one hidden window, and prints its process id.
one_companion() {
  local deadline=$((SECONDS + $1)) hold=$2 pid="" now
  while :; do
    now=$(companions)
    if [[ -n "$now" && "$now" != *$'\n'* ]] && [[ "$(drive owner MuzzleFrame -)" == "$now" ]]; then
      pid=$now
      break
    fi
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
  deadline=$((SECONDS + hold))
  while ((SECONDS < deadline)); do
    sleep 0.2
    [[ "$(companions)" == "$pid" && "$(drive owner MuzzleFrame -)" == "$pid" ]] || return 1
  done
  echo "$pid"
}

# Waits up to SECONDS until no companion process and no hidden window is left.
no_companion() {
  local deadline=$((SECONDS + $1))
  until [[ -z "$(companions)" ]] && ! drive exists MuzzleFrame - >/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Closes every companion through its hidden window, as a second start does, until none is
# left. A companion started just before may make its window only after a first close, so each
# round waits for a window to appear or to go instead of sleeping.
stop_companions() {
  local deadline=$((SECONDS + 15))
  until [[ -z "$(companions)" ]] && ! drive exists MuzzleFrame - >/dev/null; do
    ((SECONDS < deadline)) || return 1
    if drive exists MuzzleFrame - >/dev/null; then
      drive close MuzzleFrame - >/dev/null
      drive gone MuzzleFrame - 2000 >/dev/null
    else
      drive wait MuzzleFrame - 2000 >/dev/null
    fi
  done
}

# The game's process is gone from the process list as well.
no_game_process() { [[ -z "$(drive processes WOB.exe)" ]]; }

# The game's visible windows, topmost first, as "title|left top right bottom".
forms_now() {
  drive list | awk -F'|' '$1 == "WobbletonForm" && $4 == 1 { print $2 "|" $3 }'
}

# Waits up to SECONDS until the visible game windows are exactly PATTERN..., topmost first
# (each a shell pattern over "title|left top right bottom").
expect_forms() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  while ((SECONDS < deadline)); do
    kill -0 "$game_pid" 2>/dev/null || return 1
    if matches_forms "$@"; then return 0; fi
    sleep 0.2
  done
  return 1
}

# Fails as soon as the visible game windows differ from PATTERN... within SECONDS.
keeps_forms() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  while ((SECONDS < deadline)); do
    matches_forms "$@" || return 1
    sleep 0.2
  done
}

matches_forms() {
  local -a now
  mapfile -t now < <(forms_now)
  ((${#now[@]} == $#)) || return 1
  local i=0 pattern
  for pattern in "$@"; do
    # shellcheck disable=SC2053
    [[ "${now[i]}" == $pattern ]] || return 1
    i=$((i + 1))
  done
}

# Waits up to SECONDS for a visible dialog window and prints its title.
wait_message_box() {
  local deadline=$((SECONDS + $1)) title
  while ((SECONDS < deadline)); do
    title=$(drive list | awk -F'|' '$1 == "#32770" && $2 != "Program Error" && $4 == 1 {
      print $2; exit }')
    if [[ -n "$title" ]]; then
      echo "$title"
      return 0
    fi
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

# Waits up to SECONDS for the game to end and sets game_code to its exit code.
wait_game_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$game_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
  game_code=0
  wait "$game_pid" || game_code=$?
  game_pid=""
}

# The game's control positions at this display's size, from its own layout, read once.
load_geometry() {
  [ -n "${lib_geometry_lines:-}" ] && return 0
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  lib_geometry "wine ${WOB_SCREEN_GEOMETRY:?the screen_geometry program}" "$width" "$height" \
    "$(winepath -w "$app_dir" 2>/dev/null)" 2>/dev/null
}

# centre FORM CONTROL: "x y" of a control on the screen.
centre() { load_geometry && lib_centre "$1" "$2"; }

# The splash's window as "left top right bottom".
splash_box() {
  load_geometry && awk '$1 == "frmSplash" && $2 == "form" { print $5, $6, $5 + $7, $6 + $8 }' \
    <<<"$lib_geometry_lines"
}

# The play area of an activity screen (the drawing area of the paint screen is the same) less a
# border of 4 pixels, as an ImageMagick geometry.
play_area() { load_geometry && lib_area frmLetters Frame1 4; }

# A blank capture has one colour; the menu has pictures and labels.
not_blank() { lib_above "$(lib_spread "$1")" 0.02; }
differs() { lib_above "$(lib_difference "$1" "$2")" 1000; }
