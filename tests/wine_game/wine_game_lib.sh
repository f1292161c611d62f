# Shared functions of wine_game.sh: start and watch the game, read its windows, take screenshots.
# Expects app_dir, driver and work to be set by the caller.

game_pid=""
failures=0

fail() {
  echo "FAIL: $*" >&2
  echo "windows:" >&2
  forms_now | sed 's/^/  /' >&2
  local title
  drive list | awk -F'|' '$1 == "#32770" && $4 == 1 { print $2 }' | while read -r title; do
    echo "  dialog: $(drive msgbox "$title" 500)" >&2
  done
  failures=$((failures + 1))
  finish
}

finish() {
  if [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; then
    kill "$game_pid" 2>/dev/null
  fi
  if ((failures == 0)); then echo "PASS"; fi
  exit $((failures > 0))
}

drive() { wine "$driver" "$@" </dev/null 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

start_game() {
  local folder=$1
  [[ -f "$folder/WOB.exe" ]] || { echo "FAIL: no $folder/WOB.exe (build the wob target)" >&2; exit 1; }
  (cd "$folder" && exec wine WOB.exe </dev/null >"$work/game.log" 2>&1) &
  game_pid=$!
}

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

# The centre of a screen's exit button in pixels, at 15 twips a pixel (96 DPI).
exit_button_centre() {
  awk -v w="$1" -v h="$2" 'BEGIN {
    W = w * 15; H = h * 15
    bh = 495 * H / 4215; bw = 495 * W / 6060
    printf "%d %d\n", (200 + bw / 2) / 15, (H - 200 - bh + bh / 2) / 15 }'
}

shoot() { import -display "$DISPLAY" -window root "$1"; }

# A blank capture has one colour; the menu has pictures and labels.
not_blank() {
  local spread
  spread=$(/usr/bin/convert "$1" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'
}

differs() {
  local distance
  distance=$(/usr/bin/compare -metric AE "$1" "$2" null: 2>&1 >/dev/null)
  awk -v d="${distance%% *}" 'BEGIN { exit !(d > 1000) }'
}
