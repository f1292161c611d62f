#!/usr/bin/env bash
# The Windows installer under Wine, run silently as a parent's script would, in a Wine prefix
# where the game was never installed:
#   - /S installs per user into %LOCALAPPDATA%\Programs\Wobbleton Playboard: the app folder's
#     files and the uninstaller, both Start-menu shortcuts, the uninstall entry of the user;
#   - the installed game shows its menu and ends with Ctrl+Alt+T and exit code 0;
#   - installing again while the companion runs stops it and puts the files in place again;
#   - the silent uninstaller, run while the companion runs, ends the companion and removes every
#     installed file and shortcut and the entry, and keeps the parent's own Muzzle.ini;
#   - /D= installs into another folder, whose uninstall leaves nothing behind.
# Runs inside tests/wine/with_wine.sh.
#
# Usage: wine_installer.sh SETUP APP_DIR DRIVER WORK_DIR VERSION
set -u
setup=$1 app_dir=$2 driver=$3 work_root=$4 version=$5
work="$work_root/installer"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../lib/wine_game_lib.sh"
[[ -f "$setup" ]] || { echo "FAIL: no $setup (build the dist target)" >&2; exit 1; }

# Shortcuts made under Wine would otherwise also land in this machine's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\WobbletonPlayboard'
win_env() { wine cmd /c "echo %$1%" </dev/null 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
reg_value() {
  wine reg query "$key" /v "$1" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 \+REG_[A-Z_]* \+//p"
}
no_entry() { ! wine reg query "$key" </dev/null >/dev/null 2>&1; }
listing() { (cd "$1" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort); }

# Waits up to SECONDS, checking COMMAND every 0.2 s.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

default_win="$(win_env LOCALAPPDATA)\\Programs\\Wobbleton Playboard"
menu="$(unix_path "$(win_env APPDATA)")/Microsoft/Windows/Start Menu/Programs/Wobbleton Playboard"
expected_files=$( (listing "$app_dir"; echo Uninstall.exe) | LC_ALL=C sort)

install() {  # install [ARG...]: runs the installer silently, exit code 0
  (cd "$work" && wine "$setup" /S "$@" </dev/null >>"$work/setup.log" 2>&1) ||
    fail "the installer $* ended with code $?"
}

# The folder WIN_DIR holds exactly the app folder's files, the same bytes, and the uninstaller;
# the shortcuts and the uninstall entry point there.
check_installed() {
  local win_dir=$1 dir name
  dir=$(unix_path "$win_dir")
  [[ -d "$dir" ]] || fail "nothing installed in $win_dir"
  [[ "$(listing "$dir")" == "$expected_files" ]] ||
    fail "installed files differ: $(diff <(echo "$expected_files") <(listing "$dir") | tr '\n' ' ')"
  while IFS= read -r name; do
    [[ -d "$app_dir/$name" ]] || cmp -s "$app_dir/$name" "$dir/$name" ||
      fail "$name differs from the app folder's"
  done < <(listing "$app_dir")

  [[ "$(listing "$menu")" == $'Quietbox Setup.lnk\nWobbleton Playboard.lnk' ]] ||
    fail "Start-menu shortcuts: $(listing "$menu" | tr '\n' ' ')"
  strings -a "$menu/Wobbleton Playboard.lnk" | grep -qxF "$win_dir\\WOB.exe" ||
    fail "the game's shortcut does not start $win_dir\\WOB.exe"
  strings -a "$menu/Quietbox Setup.lnk" | grep -qxF "$win_dir\\MuzCfg.exe" ||
    fail "the Quietbox Setup shortcut does not start $win_dir\\MuzCfg.exe"

  local name_value expected
  while IFS='|' read -r name_value expected; do
    [[ "$(reg_value "$name_value")" == "$expected" ]] ||
      fail "uninstall entry: $name_value is \"$(reg_value "$name_value")\", not \"$expected\""
  done <<TABLE
DisplayName|Wobbleton Playboard
DisplayVersion|$version
InstallLocation|$win_dir
DisplayIcon|$win_dir\\WOB.exe,0
UninstallString|"$win_dir\\Uninstall.exe"
QuietUninstallString|"$win_dir\\Uninstall.exe" /S
TABLE
}

# The uninstaller hands over to a copy of itself and returns at once: wait for its work.
uninstall_done() {  # uninstall_done DIR KEPT: DIR holds only KEPT (or is gone when KEPT is empty)
  if [[ -z "$2" ]]; then [[ ! -e "$1" ]]; else [[ "$(listing "$1")" == "$2" ]]; fi &&
    [[ ! -e "$menu" ]] && no_entry
}

# A prefix where the game was never installed.
[[ ! -e "$(unix_path "$default_win")" && ! -e "$menu" ]] && no_entry ||
  fail "the game is installed in this prefix already"

install
check_installed "$default_win"
dir=$(unix_path "$default_win")

start_game "$dir"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
expect_forms 40 "Kinderkit|0 0 $screen_w $screen_h" || fail "the installed game shows no menu"
drive keys 0x11+0x12+0x54 >/dev/null
wait_game_exit 20 || fail "Ctrl+Alt+T did not end the installed game"
[[ "$game_code" == 0 ]] || fail "exit code $game_code after Ctrl+Alt+T, expected 0"
no_companion 10 || fail "the companion outlived the game"

start_companion "$dir/Muzzle.exe"
[[ -n "$(companions)" ]] || fail "the installed companion did not start"
install
no_companion 10 || fail "installing again left the companion running"
check_installed "$default_win"

# The parent's own settings, and the companion running from the installed folder.
printf '[Config]\r\nKillWinKey=0\r\nShutdownMessage=0\r\n' >"$dir/Muzzle.ini"
cp "$dir/Muzzle.ini" "$work/settings"
start_companion "$dir/Muzzle.exe"
[[ -n "$(companions)" ]] || fail "the installed companion did not start"
wine "$dir/Uninstall.exe" /S </dev/null >>"$work/setup.log" 2>&1 ||
  fail "the uninstaller ended with code $?"
wait_until 40 uninstall_done "$dir" Muzzle.ini ||
  fail "after the uninstall: $(listing "$dir" | tr '\n' ' ') shortcuts: $(listing "$menu" 2>&1)"
no_companion 10 || fail "the companion still runs after the uninstall"
cmp -s "$work/settings" "$dir/Muzzle.ini" || fail "the silent uninstall changed Muzzle.ini"
rm -rf "$dir"

other_win='C:\Games\Wobbleton'
install "/D=$other_win"
check_installed "$other_win"
[[ ! -e "$(unix_path "$default_win")" ]] || fail "/D= installed into the default folder as well"
wine "$(unix_path "$other_win")/Uninstall.exe" /S </dev/null >>"$work/setup.log" 2>&1 ||
  fail "the uninstaller ended with code $?"
wait_until 40 uninstall_done "$(unix_path "$other_win")" "" ||
  fail "after the uninstall: $(listing "$(unix_path "$other_win")" | tr '\n' ' ')"
finish
