#!/usr/bin/env bash
# The game's keyboard lockdown under Wine: its companion started once and stopped at the exit
# key, its low-level keyboard hook, and a companion file that is missing. Runs inside
# tests/wine/with_wine.sh.
#
# Usage: lockdown.sh CASE APP_DIR DRIVER WORK_DIR
#   companion_once            one companion per game; a second game starts none; Ctrl+Alt+T ends
#                             both, and the first game's exit key starts none again
#   companion_ended_by_hand   the companion closed by hand before Ctrl+Alt+T is not started again
#   menu_picture_missing      the runtime's error box, exit code 1, and the companion gone with it
#   companion_running         a companion started before the game is the one that stays
#   companion_other_case      a companion named MUZZLE.EXE is recognised as the running one
#   companion_kept            ShutDownWhenRunAgain=0 keeps the companion after the game ends
#   companion_kept_after_kill ShutDownWhenRunAgain=0 keeps it after the game was killed too
#   game_killed               the game killed from outside: its companion ends with it
#   swallowed_keys            Ctrl+Esc, the Windows key and ';' reach no window, Ctrl+Alt+S/T do
#   companion_missing_at_load no Muzzle.exe: the runtime's error box names it, exit code 1
#   companion_missing_at_exit Muzzle.exe deleted while the game runs: the same at Ctrl+Alt+T,
#                             and the running companion is closed all the same
set -u
case_name=$1 app_dir=$2 driver=$3 work_root=$4
work="$work_root/$case_name"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../lib/wine_game_lib.sh"

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
full="0 0 $screen_w $screen_h"
menu="Kinderkit|$full"
exit_keys=0x11+0x12+0x54

# A private copy of the game, for cases that change its folder.
copy_app() {
  cp -r "$app_dir" "$work/app"
  echo "$work/app"
}

ini() {  # ini FILE KEY=VALUE...: a settings file with CRLF lines
  local file=$1
  shift
  printf '[Config]\r\n' >"$file"
  printf '%s\r\n' "$@" >>"$file"
}

# Waits for the main menu, then for the companion that its load starts; sets companion to its
# process id.
menu_with_companion() {
  expect_forms 30 "$menu" || fail "the main menu did not come up"
  companion=$(one_companion 10 1) || fail "not exactly one companion after the game came up"
}

# Ctrl+Alt+T on the menu ends the game with exit code 0.
exit_game() {
  drive keys "$exit_keys" >/dev/null
  wait_game_exit 20 || fail "Ctrl+Alt+T did not end the game"
  [[ "$game_code" == 0 ]] || fail "exit code $game_code after Ctrl+Alt+T, expected 0"
}

# The error box of the forms runtime names the companion file; dismissing it ends the game with
# exit code 1 and leaves no game process behind.
expect_companion_error() {
  local title box
  title=$(wait_message_box 30) || fail "no error box appeared"
  box=$(drive msgbox - 2000) || fail "the dialog \"$title\" is no message box"
  [[ "$box" == *Muzzle.exe* ]] || fail "the error box does not name Muzzle.exe: $box"
  drive dismiss - >/dev/null || fail "cannot dismiss the error box"
  wait_game_exit 20 || fail "the game did not end after the error box"
  [[ "$game_code" == 1 ]] || fail "exit code $game_code after the error box, expected 1"
  no_game_process || fail "a WOB.exe process is left"
  [[ -z "$(forms_now)" ]] || fail "a game window is left"
}

case_companion_once() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  start_game "$app_dir"
  local first_game=$game_pid companion
  menu_with_companion

  # A second game finds the companion running and starts none.
  start_game "$app_dir"
  expect_forms 30 "$menu" "$menu" || fail "the second game's menu did not come up"
  [[ "$(one_companion 1 2)" == "$companion" ]] ||
    fail "the second game changed the companion (was $companion)"

  # The exit key of the second game, which is in front, stops the companion.
  exit_game
  no_companion 10 || fail "the companion runs on after Ctrl+Alt+T"

  # The first game ends too; its own stop finds no companion to close and starts none.
  game_pid=$first_game
  drive activate WobbletonForm Kinderkit >/dev/null
  exit_game
  no_companion 3 || fail "the first game's exit key left a companion running"
}

case_companion_ended_by_hand() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local companion
  start_game "$app_dir"
  menu_with_companion
  stop_companions || fail "the companion did not close on WM_CLOSE"
  drive activate WobbletonForm Kinderkit >/dev/null
  exit_game
  no_companion 3 || fail "the exit key left a companion running"
}

# The load starts the companion before it loads any picture: the error must not leave it behind.
case_menu_picture_missing() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy title box
  copy=$(copy_app)
  rm "$copy/ColUp.jpg"
  start_game "$copy"
  title=$(wait_message_box 30) || fail "no error box appeared"
  box=$(drive msgbox - 2000) || fail "the dialog \"$title\" is no message box"
  [[ "$box" == *ColUp.jpg* ]] || fail "the error box does not name ColUp.jpg: $box"
  no_companion 3 || fail "the companion runs while the error box shows"
  drive dismiss - >/dev/null || fail "cannot dismiss the error box"
  wait_game_exit 20 || fail "the game did not end after the error box"
  [[ "$game_code" == 1 ]] || fail "exit code $game_code after the error box, expected 1"
  no_companion 3 || fail "the companion outlived the game"
}

case_companion_running() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  start_companion "$app_dir/Muzzle.exe" || fail "the companion started alone shows no window"
  local companion alone
  alone=$(one_companion 5 0) || fail "not exactly one companion started alone"
  start_game "$app_dir"
  menu_with_companion
  [[ "$companion" == "$alone" ]] || fail "the game replaced the companion"
  exit_game
  no_companion 10 || fail "the companion runs on after Ctrl+Alt+T"
}

# The process list keeps the file's case; the game compares names ignoring it.
case_companion_other_case() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy companion alone
  copy=$(copy_app)
  mv "$copy/Muzzle.exe" "$copy/MUZZLE.EXE"
  start_companion "$copy/MUZZLE.EXE" || fail "MUZZLE.EXE shows no window"
  [[ "$(drive processes Muzzle.exe | cut -d'|' -f2)" == MUZZLE.EXE ]] ||
    fail "the process list does not name MUZZLE.EXE"
  alone=$(one_companion 5 0) || fail "not exactly one companion started alone"
  start_game "$copy"
  menu_with_companion
  [[ "$companion" == "$alone" ]] || fail "MUZZLE.EXE was not recognised"
  exit_game
  no_companion 10 || fail "the companion runs on after Ctrl+Alt+T"
}

case_companion_kept() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy companion
  copy=$(copy_app)
  ini "$copy/Muzzle.ini" ShutDownWhenRunAgain=0
  start_game "$copy"
  menu_with_companion
  exit_game
  # The exit key's start of the companion ends at once and leaves the first one running.
  [[ "$(one_companion 1 2)" == "$companion" ]] || fail "the companion did not stay"
  stop_companions || fail "the companion did not close on WM_CLOSE"
}

# The game ends as by Task Manager or a crash: no unload, no exit key.
kill_game() {
  kill -KILL "$game_pid"
  wait_game_exit 10 || fail "the game did not end when killed"
}

# kept_after_kill <ShutDownWhenRunAgain at the start>: the setting is 0 when the game is killed,
# so the companion stays. It is read when the game ends, as a second start reads it: a parent who
# switches it off in MuzCfg during play keeps the companion running too.
kept_after_kill() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy companion
  copy=$(copy_app)
  ini "$copy/Muzzle.ini" ShutDownWhenRunAgain="$1"
  start_game "$copy"
  menu_with_companion
  ini "$copy/Muzzle.ini" ShutDownWhenRunAgain=0
  kill_game
  [[ "$(one_companion 1 3)" == "$companion" ]] || fail "the companion did not stay"
  stop_companions || fail "the companion did not close on WM_CLOSE"
}
case_companion_kept_after_kill() { kept_after_kill 0; }
case_companion_kept_when_set_during_play() { kept_after_kill 1; }

case_game_killed() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local companion
  start_game "$app_dir"
  menu_with_companion
  kill_game
  no_companion 3 || fail "the companion outlived the killed game"
}

# Keys sent to a window of the driver in front: what arrives is what no hook swallowed. The
# companion's own hooks are switched off here so that only the game's hook acts. Sets seen.
spy_keys() {
  local out=$1 spy
  drive spy 15000 >"$out" &
  spy=$!
  lib_track "$spy"
  local deadline=$((SECONDS + 15))
  until [[ "$(drive foreground)" == "WobSpy|spy" ]]; do
    ((SECONDS < deadline)) || fail "the spy window did not come to the front"
    sleep 0.1
  done
  # Ctrl+Esc, the Windows key, ';', Ctrl+Alt+S, Ctrl+Alt+T, ',' and F12, which ends the spy.
  drive keys -hold 30 0x11+0x1B 0x5B 0xBA 0x11+0x12+0x53 0x11+0x12+0x54 0xBC 0x7B >/dev/null
  wait "$spy" || fail "the spy did not see F12"
  seen=$(tr -d '\r' <"$out" | tr '\n' ' ')
}

case_swallowed_keys() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy seen companion
  copy=$(copy_app)
  ini "$copy/Muzzle.ini" KillWinKey=0 KillCtrlEsc=0 KillWinKeyCombos=0 KillContextMenu=0

  spy_keys "$work/spy-before.txt"
  [[ "$seen" == "0x11 0x1B 0x5B 0xBA 0x11 0x12 0x53 0x11 0x12 0x54 0xBC " ]] ||
    fail "without the game the spy saw: $seen"

  start_game "$copy"
  menu_with_companion
  spy_keys "$work/spy-game.txt"
  [[ "$seen" == "0x11 0x11 0x12 0x53 0x11 0x12 0x54 0xBC " ]] ||
    fail "with the game the spy saw: $seen"

  # On the menu every character key opens a screen: the swallowed ones open none ... The hook
  # reads Ctrl from the game's own key state, which follows the key messages the game has taken:
  # Ctrl is held a moment before Esc, as by a person, not sent in one batch with it.
  drive activate WobbletonForm Kinderkit >/dev/null
  drive keys -hold 30 0x11+0x1B 0x5B 0xBA >/dev/null
  keeps_forms 2 "$menu" || fail "a swallowed key reached the menu"
  # ... while ',' next to ';' on the keyboard does.
  drive keys 0xBC >/dev/null
  expect_forms 15 "*|$full" "$menu" || fail "',' opened no screen"
  drive mouse $(centre frmLetters cmdExit) >/dev/null
  expect_forms 15 "$menu" || fail "the exit button did not close the screen"
  exit_game
  no_companion 10 || fail "the companion runs on after Ctrl+Alt+T"
}

case_companion_missing_at_load() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy
  copy=$(copy_app)
  rm "$copy/Muzzle.exe"
  start_game "$copy"
  expect_companion_error
}

# The companion started at load keeps running: its stop could not be started.
case_companion_missing_at_exit() {
  no_companion 10 || fail "a companion of an earlier test still runs"
  local copy companion
  copy=$(copy_app)
  start_game "$copy"
  menu_with_companion
  rm "$copy/Muzzle.exe"
  drive keys "$exit_keys" >/dev/null
  expect_companion_error
  # With no program to start a second time, the game closed the companion's window itself.
  no_companion 10 || fail "the companion still runs after the game ended"
}

case "$case_name" in
  companion_once | companion_running | companion_other_case | companion_kept | \
    companion_ended_by_hand | menu_picture_missing | companion_kept_after_kill | \
    companion_kept_when_set_during_play | game_killed | \
    swallowed_keys | companion_missing_at_load | companion_missing_at_exit)
    "case_$case_name"
    ;;
  *)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac
finish
