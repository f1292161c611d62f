#!/usr/bin/env bash
# Quietbox under Wine: the host, its hooks and the settings dialog, driven as a person would.
# Usage: quietbox.sh CASE APP_DIR TOOLS_DIR WORK_DIR   (inside with_wine.sh)
set -u
case_name=$1
app_dir=$2
tools_dir=$3
work=$4/$case_name

rm -rf "$work"
mkdir -p "$work"
cp "$app_dir/Muzzle.exe" "$app_dir/Muzzle.dll" "$app_dir/MuzCfg.exe" "$work/"

failed=0
background=()
fail() {
  echo "FAIL: $*"
  failed=1
}
expect_eq() {  # expect_eq WHAT ACTUAL EXPECTED
  if [[ "$2" != "$3" ]]; then fail "$1: got '$2', expected '$3'"; fi
}

driver() { wine "$tools_dir/wobdriver.exe" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
probe() { wine "$tools_dir/hookprobe.exe" "$@" | tr -d '\r'; }

# start VAR PROGRAM: runs a Windows program in the background, its pid in VAR.
start() {
  local -n pid_var=$1
  wine "$2" </dev/null >/dev/null 2>&1 &
  pid_var=$!
  background+=("$pid_var")
}

# expect_exit WHAT PID CODE [TIMEOUT_S]: waits for a background program and checks its exit
# code. Runs in this shell, not in a command substitution: only this shell can wait for it.
expect_exit() {
  local deadline=$((SECONDS + ${4:-15})) code
  while kill -0 "$2" 2>/dev/null; do
    if ((SECONDS >= deadline)); then
      fail "$1: still running"
      return
    fi
    sleep 0.1
  done
  wait "$2"
  code=$?
  expect_eq "$1" "$code" "$3"
}

# Ends only the programs this test started: the Wine session may be shared with other tests.
stop_all() {
  for pid in "${background[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${background[@]}"; do wait "$pid" 2>/dev/null; done
  background=()
}
trap stop_all EXIT

ini() {  # ini FILE KEY=VALUE...: a settings file with CRLF lines
  local file=$1
  shift
  printf '[Config]\r\n' >"$file"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$file"; done
}

ini_value() { grep -i "^$2=" "$1" | head -1 | cut -d= -f2 | tr -d '\r'; }

start_host() {  # start_host VAR [EXE]: starts a host and waits for its hidden window
  start "$1" "${2:-$work/Muzzle.exe}"
  driver wait MuzzleFrame - 15000 >/dev/null || fail "no MuzzleFrame window"
}

second_start_stops() {  # second_start_stops FIRST_PID [EXE]
  start second "${2:-$work/Muzzle.exe}"
  expect_exit "second start exit code" "$second" 0
  expect_exit "first host exit code" "$1" 0
  driver gone MuzzleFrame - 5000 || fail "MuzzleFrame still there"
}

expect_box() {  # expect_box CAPTION TEXT: a top-most message box is shown; dismisses it
  local box
  box=$(driver msgbox "$1" 15000)
  # Wine leaves out the top-most flag that MB_TOPMOST asks for, so only caption and text.
  expect_eq "message box" "${box%|*}" "$1|$2"
  driver dismiss "$1" >/dev/null
}

case_host_default_handshake() {
  start_host host
  expect_eq "hidden frame without title" "$(driver list | grep '^MuzzleFrame|' | cut -d'|' -f1,2,4)" \
    "MuzzleFrame||0"
  expect_eq "hooks with no settings file" "$(probe "$work/Muzzle.dll")" \
    "shell=1 message=1 keyboard=1 kill=0x9"
  second_start_stops "$host"
}

case_host_no_shutdown_when_run_again() {
  mkdir "$work/other"
  cp "$work/Muzzle.exe" "$work/Muzzle.dll" "$work/other/"
  ini "$work/other/Muzzle.ini" ShutDownWhenRunAgain=0
  start_host host
  start second "$work/other/Muzzle.exe"
  expect_exit "second start exit code" "$second" 0
  driver exists MuzzleFrame - || fail "first host's window gone"
  kill -0 "$host" 2>/dev/null || fail "first host ended"
  second_start_stops "$host"
}

case_host_all_kill_keys_off() {
  ini "$work/Muzzle.ini" KillWinKey=0 KillCtrlEsc=0 KillWinKeyCombos=0 KillContextMenu=0
  start_host host
  expect_eq "no hooks" "$(probe "$work/Muzzle.dll")" "shell=0 message=0 keyboard=0 kill=0x0"
  second_start_stops "$host"
}

case_host_letters_read_off() {
  ini "$work/Muzzle.ini" KillWinKey=yes KillContextMenu=on KillCtrlEsc=12abc KillWinKeyCombos=
  start_host host
  expect_eq "letters off, leading digits on" "$(probe "$work/Muzzle.dll")" \
    "shell=1 message=1 keyboard=0 kill=0x2"
  second_start_stops "$host"
}

case_host_missing_dll() {
  rm "$work/Muzzle.dll"
  start host "$work/Muzzle.exe"
  expect_box Error "Unable to load DLL"
  expect_exit "exit code" "$host" 1
  driver exists MuzzleFrame - && fail "a window was created"
}

case_host_dll_without_kill() {
  cp "$tools_dir/nokill.dll" "$work/Muzzle.dll"
  start host "$work/Muzzle.exe"
  expect_box Error "Unable to initialize"
  expect_exit "exit code" "$host" 1
}

# A library of the same name in the current folder must not stand in for a missing one.
case_host_ignores_planted_dll() {
  mkdir "$work/elsewhere"
  mv "$work/Muzzle.dll" "$work/elsewhere/"
  (cd "$work/elsewhere" && wine "$work/Muzzle.exe" </dev/null >/dev/null 2>&1) &
  host=$!
  background+=("$host")
  expect_box Error "Unable to load DLL"
  expect_exit "exit code" "$host" 1
}

# A host started by the game ends when the game's process ends without stopping it, as at a
# second start; started by another program, or told to stay, it keeps running; and while it
# watches the game, a second start still stops it. The starter is the driver under each name,
# waiting for the host, and killed from outside.
case_host_ends_with_starting_game() {
  cp "$tools_dir/wobdriver.exe" "$work/WOB.exe"
  cp "$tools_dir/wobdriver.exe" "$work/Starter.exe"
  local row parent setting outcome starter
  for row in "WOB.exe 1 ends" "WOB.exe 1 stopped" "Starter.exe 1 stays" "WOB.exe 0 stays" \
    "WOB.exe 1 ends"; do
    read -r parent setting outcome <<<"$row"
    ini "$work/Muzzle.ini" "ShutDownWhenRunAgain=$setting"
    wine "$work/$parent" run "$work/Muzzle.exe" </dev/null >/dev/null 2>&1 &
    starter=$!
    background+=("$starter")
    driver wait MuzzleFrame - 15000 >/dev/null || fail "$row: no MuzzleFrame window"
    if [[ "$outcome" == stopped ]]; then
      start second "$work/Muzzle.exe"
      expect_exit "$row: second start exit code" "$second" 0
      driver gone MuzzleFrame - 5000 || fail "$row: a second start did not stop the host"
    fi
    kill -KILL "$starter"
    wait "$starter" 2>/dev/null
    if [[ "$outcome" == ends ]]; then
      driver gone MuzzleFrame - 3000 || fail "$row: the host outlived its starter"
      driver wait '#32770' - 500 >/dev/null && fail "$row: a box was shown"
    elif [[ "$outcome" == stays ]]; then
      driver gone MuzzleFrame - 3000 && fail "$row: the host ended with its starter"
      ini "$work/Muzzle.ini" ShutDownWhenRunAgain=1
      start second "$work/Muzzle.exe"
      expect_exit "$row: second start exit code" "$second" 0
      driver gone MuzzleFrame - 5000 || fail "$row: a second start did not stop the host"
    fi
    expect_eq "$row: hosts left" "$(driver processes Muzzle.exe)" ""
  done
}

# The farewell key is read at the end, so it is written while the host runs.
case_host_shutdown_message() {
  start_host host
  ini "$work/Muzzle.ini" ShutdownMessage=1
  start second "$work/Muzzle.exe"
  expect_exit "second start exit code" "$second" 0
  driver msgbox "Shutting down..." 15000 >/dev/null || fail "no farewell box"
  kill -0 "$host" 2>/dev/null || fail "host ended before the box was dismissed"
  expect_box "Shutting down..." "Shutting down Quietbox."
  expect_exit "host exit code" "$host" 0
}

case_host_renamed_reads_own_settings() {
  cp "$work/Muzzle.exe" "$work/Blocker.exe"
  ini "$work/Blocker.ini" KillWinKeyCombos=1
  ini "$work/Muzzle.ini" KillCtrlEsc=1
  start_host host "$work/Blocker.exe"
  expect_eq "Blocker.ini read" "$(probe "$work/Muzzle.dll")" \
    "shell=1 message=1 keyboard=1 kill=0xD"
  second_start_stops "$host" "$work/Blocker.exe"
}

# A host path longer than 260 characters must never be cut into another file's name: a file
# at the old cut-off name is never read. (Wine's narrow profile reader takes no path that long,
# so the host's own file reads as missing there and the defaults apply.)
case_host_long_path() {
  local deep=$work
  for _ in 1 2 3 4 5; do deep=$deep/folder_with_a_rather_long_name_for_paths_past_the_old_limit; done
  mkdir -p "$deep"
  cp "$work/Muzzle.exe" "$work/Muzzle.dll" "$deep/"
  ini "$deep/Muzzle.ini" KillCtrlEsc=1 KillWinKey=0 KillContextMenu=0
  local cut=${deep}/Muzzle.exe
  cut=${cut:0:254}ini
  mkdir -p "$(dirname "$cut")"
  ini "$cut" KillWinKeyCombos=1 KillWinKey=0 KillContextMenu=0
  start_host host "$deep/Muzzle.exe"
  local state
  state=$(probe "\\\\?\\Z:${deep//\//\\}\\Muzzle.dll")
  [[ "$state" == *"kill=0x2" || "$state" == *"kill=0x9" ]] || fail "deep host read '$state'"
  second_start_stops "$host" "$deep/Muzzle.exe"
}

hook_line() {  # the expected probe line for a bit set
  local flags=$1
  local shell=$(((flags & 3) != 0)) keyboard=$(((flags & 12) != 0))
  local message=$((shell || keyboard))
  printf '0x%X shell=%d message=%d keyboard=%d kill=0x%X cleared=1' "$flags" "$shell" "$message" \
    "$keyboard" "$flags"
}

case_hooks_installed_per_bit_set() {
  local sets=() expected=()
  for flags in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 $((0x80000001)); do
    sets+=("$flags")
    expected+=("$(hook_line "$flags")")
  done
  expect_eq "hooks per bit set" "$(probe "$work/Muzzle.dll" "${sets[@]}")" \
    "$(printf '%s\n' "${expected[@]}")"
  expect_eq "Kill(0) alone" "$(probe "$work/Muzzle.dll" 0)" \
    "0x0 shell=0 message=0 keyboard=0 kill=0x0 cleared=1"
}

case_hooks_need_their_file_name() {
  cp "$work/Muzzle.dll" "$work/Other.dll"
  expect_eq "no hooks under another name" "$(probe "$work/Other.dll" 15)" \
    "0xF shell=0 message=0 keyboard=0 kill=0xF cleared=1"
}

# Handles left in the section by a host that was killed count for nothing: every bit set gets
# its hooks, the message hook above all, which only the keyboard bits would otherwise miss.
case_hooks_installed_over_stale_handles() {
  local sets=(4 8 12 1 5 9 15) expected=()
  for flags in "${sets[@]}"; do expected+=("$(hook_line "$flags")"); done
  expect_eq "hooks over stale handles" "$(probe "$work/Muzzle.dll" -stale "${sets[@]}")" \
    "$(printf '%s\n' "${expected[@]}")"
}

win_r=$(((0x52 << 16) | 0x8))   # a hot key message's second parameter: R with the Windows key
ctrl_alt_r=$(((0x52 << 16) | 0x3))

# A host killed while its hooks are in place, with another program keeping the library mapped;
# the next host, started with the Windows-key combinations blocked, installs hooks of its own,
# the message hook among them, and voids Win+R. (Wine keeps a killed program's hooks, so the
# new handles, not only the voided message, show that the new host installed its own.)
case_host_killed_then_new_host() {
  wine "$tools_dir/hookprobe.exe" -hold "$work/Muzzle.dll" </dev/null >/dev/null 2>&1 &
  background+=($!)
  driver wait HookProbeHold - 15000 >/dev/null || fail "the library is not held"
  start_host first
  kill -KILL "$first"
  expect_exit "killed host" "$first" 137
  driver gone MuzzleFrame - 5000 || fail "the killed host's window is still there"
  local stale fresh
  read -r _ stale _ < <(probe "$work/Muzzle.dll" -handles)
  [[ "$stale" != message=0x0 ]] || fail "the killed host left no message hook handle"
  ini "$work/Muzzle.ini" KillWinKey=0 KillWinKeyCombos=1 KillContextMenu=1
  start_host host
  read -r _ fresh _ < <(probe "$work/Muzzle.dll" -handles)
  [[ "$fresh" != message=0x0 && "$fresh" != "$stale" ]] ||
    fail "no message hook of the new host: $fresh, the killed host's $stale"
  expect_eq "Win+R" "$(probe -post 0x312 1 "$win_r")" voided
  expect_eq "Ctrl+Alt+R" "$(probe -post 0x312 2 "$ctrl_alt_r")" arrived
  second_start_stops "$host"
  expect_eq "handles after the host ended" "$(probe "$work/Muzzle.dll")" \
    "shell=0 message=0 keyboard=0 kill=0xC"
  driver close HookProbeHold - >/dev/null
}

# The Application key, pressed and let go, leaves only the "pressed since the last query" bit in
# the key state: the next context menu, opened with the mouse, is not voided. (Wine updates the
# key state only for keys that no hook swallowed, so the key is pressed before the host starts.)
case_hooks_context_menu_after_apps_key() {
  driver keys 0x5D >/dev/null
  start_host host
  expect_eq "context menu after the Application key" "$(probe -post 0x7B 0 0)" arrived
  second_start_stops "$host"
}

open_setup() {  # open_setup VAR [EXE]
  start "$1" "${2:-$work/MuzCfg.exe}"
  driver wait '#32770' 'Quietbox Setup' 15000 >/dev/null || fail "no Quietbox Setup dialog"
}

boxes() {  # the nine check states, 1000 to 1008
  local states=()
  for id in $(seq 1000 1008); do states+=("$(driver getcheck '#32770' 'Quietbox Setup' "$id")"); done
  echo "${states[*]}"
}

press() { driver press '#32770' 'Quietbox Setup' "$1" >/dev/null; }

case_setup_shows_file_and_defaults() {
  open_setup dialog
  expect_eq "no file: the host's defaults" "$(boxes)" "1 0 0 1 0 0 0 1 0"
  press 2
  expect_exit "exit code" "$dialog" 0
  [[ -e "$work/Muzzle.ini" ]] && fail "Cancel created a file"
  ini "$work/Muzzle.ini" KillWinKey=0 KillCtrlEsc=1 IdlePriority=2 ShutdownMessage=abc \
    hidefromtasklist=1
  open_setup dialog
  expect_eq "file values, defaults for the rest" "$(boxes)" "0 1 0 1 0 1 0 1 1"
  press 2
  expect_exit "exit code" "$dialog" 0
}

written_keys() {  # every key and value of the file, sorted (existing keys keep their place)
  tr -d '\r' <"$1" | grep = | sort
}

all_keys() {  # all_keys V1..V9: the nine lines OK writes
  local names=(KillWinKey KillCtrlEsc KillWinKeyCombos KillContextMenu KillAllSysKeys
    HideFromTaskList ShutdownMessage ShutDownWhenRunAgain IdlePriority)
  local values=("$@")
  for i in "${!names[@]}"; do echo "${names[$i]}=${values[$i]}"; done | sort
}

case_setup_ok_writes_all_keys() {
  open_setup dialog
  press 1
  expect_exit "exit code" "$dialog" 0
  expect_eq "no file, OK" "$(written_keys "$work/Muzzle.ini")" "$(all_keys 1 0 0 1 0 0 0 1 0)"
  ini "$work/Muzzle.ini" KillWinKey=0 KillCtrlEsc=2 IdlePriority=7
  open_setup dialog
  driver setcheck '#32770' 'Quietbox Setup' 1004 1 >/dev/null
  driver setcheck '#32770' 'Quietbox Setup' 1007 0 >/dev/null
  press 1
  expect_exit "exit code" "$dialog" 0
  expect_eq "changed and stored values" "$(written_keys "$work/Muzzle.ini")" \
    "$(all_keys 0 1 0 1 1 0 0 0 1)"
}

case_setup_cancel_leaves_file() {
  printf '; parent notes\r\n[Other]\r\nx=1\r\n[Config]\r\nKillWinKey=2\r\nkillctrlesc = 1\r\n' \
    >"$work/Muzzle.ini"
  cp "$work/Muzzle.ini" "$work/before.ini"
  open_setup dialog
  driver setcheck '#32770' 'Quietbox Setup' 1000 0 >/dev/null
  driver setcheck '#32770' 'Quietbox Setup' 1008 1 >/dev/null
  press 2
  expect_exit "exit code" "$dialog" 0
  cmp -s "$work/before.ini" "$work/Muzzle.ini" || fail "Cancel changed the file"
}

case_setup_second_start() {
  open_setup dialog
  wine notepad </dev/null >/dev/null 2>&1 &
  background+=($!)
  driver wait Notepad - 15000 >/dev/null || fail "no other window to cover the dialog"
  driver activate Notepad - >/dev/null
  expect_eq "covered" "$(driver foreground | cut -d'|' -f1)" Notepad
  start second "$work/MuzCfg.exe"
  expect_exit "second start exit code" "$second" 1
  expect_eq "dialogs" "$(driver count '#32770' 'Quietbox Setup')" 1
  expect_eq "in front" "$(driver foreground)" "#32770|Quietbox Setup"
  press 2
  expect_exit "first exit code" "$dialog" 0
}

case_setup_unwritable_file() {
  mkdir "$work/Muzzle.ini"
  open_setup dialog
  press 1
  local box
  box=$(driver msgbox - 15000)
  [[ "$box" == *"could not be saved"* ]] || fail "no warning: '$box'"
  driver dismiss - >/dev/null
  sleep 1
  kill -0 "$dialog" 2>/dev/null || fail "the dialog closed after a failed save"
  driver exists '#32770' 'Quietbox Setup' || fail "the dialog is gone"
  press 2
  expect_exit "exit code" "$dialog" 0
}

case_setup_renamed_writes_muzzle_ini() {
  cp "$work/MuzCfg.exe" "$work/MuzCfg (2).exe"
  rm "$work/MuzCfg.exe"
  open_setup dialog "$work/MuzCfg (2).exe"
  press 1
  expect_exit "exit code" "$dialog" 0
  expect_eq "files" "$(cd "$work" && ls)" "$(printf '%s\n' 'MuzCfg (2).exe' Muzzle.dll Muzzle.exe Muzzle.ini)"
}

case_setup_screenshot() {
  ini "$work/Muzzle.ini" KillWinKey=1 KillCtrlEsc=1 KillWinKeyCombos=1 KillContextMenu=1 \
    ShutDownWhenRunAgain=1
  open_setup dialog
  sleep 1
  read -r left top right bottom < <(driver rect '#32770' 'Quietbox Setup')
  import -display "$DISPLAY" -window root -crop "$((right - left))x$((bottom - top))+$left+$top" \
    +repage "$work/quietbox-setup.png" || fail "no screenshot"
  [[ -s "$work/quietbox-setup.png" ]] || fail "empty screenshot"
  echo "screenshot: $work/quietbox-setup.png"
  press 2
  expect_exit "exit code" "$dialog" 0
}

if ! declare -F "case_$case_name" >/dev/null; then
  echo "unknown case $case_name"
  exit 2
fi
"case_$case_name"
# The clean-up is part of the test: the next one must find no host of this one.
stop_all
driver gone MuzzleFrame - 5000 || fail "clean-up: a MuzzleFrame window is left"
if ((failed)); then
  echo "--- windows at the end:"
  driver list
fi
exit "$failed"
