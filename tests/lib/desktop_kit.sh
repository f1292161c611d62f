# Shared steps of the tests on real Wayland desktops: a private mount namespace and buses, the
# desktop's key helper as a co-process, the game started and read through its trace, and one
# table of escape keys run against it. Sourced with $wob (the game) and $out (logs) set.
# shellcheck shell=bash
: "${wob:?the game}" "${out:?the folder for logs}"
# shellcheck source=screen_kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/screen_kit.sh"

wob_pid=
log=$out/wob.log

fail() {
  echo "FAIL: $*" >&2
  [ -f "$log" ] && { echo "--- game output:" >&2; tail -n 30 "$log" >&2; }
  exit 1
}

# Runs the calling script again in a mount namespace of its own, where /run holds a private
# system bus and no systemd seats (a desktop shell would pick logind from them and abort).
desktop_private_run() {
  [ -n "${WOB_DESKTOP_PRIVATE:-}" ] && return 0
  [ "$(id -u)" -eq 0 ] || { echo "FAIL: the desktop tests run as root" >&2; exit 1; }
  mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
  exec timeout -k 5 "${desktop_time_limit:?}" unshare -m --propagation private \
    env WOB_DESKTOP_PRIVATE=1 bash "$0" "$@"
}

# Inside the namespace: fresh /run folders, a system bus and a session bus, a home of its own.
desktop_buses() {
  local folder pid
  for folder in /run/systemd /run/dbus /run/user; do
    mkdir -p "$folder" && mount -t tmpfs tmpfs "$folder" || fail "cannot mount $folder"
  done
  pid=$(dbus-daemon --system --fork --print-pid) || fail "no system bus"
  lib_track "$pid"
  rm -rf "$out/home" "$out/run" && mkdir -p "$out/home" "$out/run" && chmod 700 "$out/run"
  export HOME=$out/home XDG_RUNTIME_DIR=$out/run
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$out/run/bus
  dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --fork --print-pid >"$out/bus.pid" ||
    fail "no session bus"
  lib_track "$(cat "$out/bus.pid")"
}

# The game as a desktop finds it: its desktop entry in the data folders and its program on PATH.
desktop_entry() {
  mkdir -p "$out/share/applications" "$out/bin"
  cp "$1" "$out/share/applications/" && ln -sf "$wob" "$out/bin/wobbleton-playboard"
  export XDG_DATA_DIRS=$out/share:/usr/share PATH=$out/bin:/usr/local/bin:/usr/bin:/bin:/usr/games
}

# keys_start COMMAND...: the desktop's key helper; it answers "ready" once it can type.
keys_start() {
  coproc KEYS { "$@" 2>"$out/keys.log"; }
  lib_track "$KEYS_PID"
  local reply
  read -r -t 20 reply <&"${KEYS[0]}" && [ "$reply" = ready ] || fail "the key helper did not start"
}
# keys_ask LINE: one command to the helper; its answer in $reply.
keys_ask() {
  echo "$*" >&"${KEYS[1]}"
  read -r -t 10 reply <&"${KEYS[0]}" || fail "the key helper did not answer '$*'"
}

# game_start ENV...: the game through its desktop entry's name, its trace in $log.
game_start() {
  env "$@" WOB_TRACE=1 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    wobbleton-playboard >"$log" 2>&1 &
  wob_pid=$!
  lib_track "$wob_pid"
  lib_wait_for 40 grep -q "window id=[0-9]* w=$screen_w h=$screen_h" "$log" || fail "no main menu"
  menu_id=$(grep -o "window id=[0-9]* w=$screen_w h=$screen_h" "$log" | head -n 1 | grep -o '[0-9]*' |
    head -n 1)
  lib_wait_for 20 grep -q "present id=$menu_id " "$log" || fail "the main menu was never drawn"
}
game_stop() {
  lib_stop "$wob_pid"
  wob_pid=
}
traced() { grep -c "$1" "$log"; }
traced_more() { [ "$(traced "$1")" -gt "$2" ]; }

# F5 does nothing in the game. A character key on the menu opens a screen, and an F5 typed
# before the screen's window has the focus goes to the menu beneath, which takes no input: so
# F5 is typed again until one arrives.
probe_reaches_game() {
  local try
  for try in 1 2 3 4 5; do
    keys_ask keys f5
    lib_wait_for 2 traced_more "key-down vk=116 " "$1" && return 0
  done
  return 1
}

# Each row: the keys (as the helper names them) and what the game must see of them: a key-down
# with that code, or "renewed" (a withdrawn inhibition asked for and granted again). After each
# row F5 must reach the game (it still has the keyboard), and desktop_check passes.
run_table() {
  local row keys expected before probes
  for row in "$@"; do
    keys=${row% *} expected=${row##* }
    before=$(traced "key-down vk=$expected ")
    [ "$expected" = renewed ] && before=$(traced "shortcuts inhibited")
    probes=$(traced "key-down vk=116 ")
    keys_ask keys "$keys"
    if [ "$expected" = renewed ]; then
      lib_wait_for 5 traced_more "shortcuts inhibited" "$before" || fail "$keys: not asked again"
    else
      lib_wait_for 5 traced_more "key-down vk=$expected " "$before" || fail "$keys: not held"
    fi
    probe_reaches_game "$probes" || fail "$keys: the game lost the keys"
    kill -0 "$wob_pid" 2>/dev/null || fail "$keys: the game ended"
    desktop_check "$keys"
    echo "held: $keys"
  done
}
