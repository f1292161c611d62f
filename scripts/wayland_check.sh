#!/usr/bin/env bash
# Runs the game under a headless sway (a Wayland compositor) and shows that it uses SDL's
# Wayland driver, that the splash and the main menu are drawn, and that the menu asks the
# compositor to inhibit its keyboard shortcuts; Ctrl+Alt+T then ends the game.
# sway refuses to run as root: as root, name an ordinary user to run it and the game as.
#   wayland_check.sh <wob executable> [user]
# A virtual keyboard (wtype) gives the seat a keyboard, without which no window gets the focus.
set -uo pipefail
wob=$(realpath "${1:?usage: wayland_check.sh <wob executable> [user]}")
user=${2:-$(id -un)}
[ "$(id -un "$user")" != root ] || { echo "sway does not run as root: name a user" >&2; exit 2; }

out=$(mktemp -d /tmp/wob-wayland.XXXXXX)
chown "$user": "$out" && chmod 700 "$out"
# Replaces the calling (sub)shell, so a background start's $! is the program itself.
exec_as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    exec setpriv --reuid="$user" --regid="$user" --init-groups env -i PATH=/usr/bin:/bin \
      HOME="$(getent passwd "$user" | cut -d: -f6)" XDG_RUNTIME_DIR="$out" "$@"
  fi
  exec env XDG_RUNTIME_DIR="$out" "$@"
}
as_user() { (exec_as_user "$@"); }

sway_pid=
keyboard_pid=
wob_pid=
cleanup() {
  for pid in $wob_pid $keyboard_pid $sway_pid; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  echo "logs in $out" >&2
  exit 1
}
wait_for() {
  local tries=$(($1 * 10))
  shift
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

exec_as_user env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c /dev/null >"$out/sway.log" 2>&1 &
sway_pid=$!
socket_ready() { [ -S "$out/wayland-1" ] && ls "$out"/sway-ipc.*.sock >/dev/null 2>&1; }
wait_for 20 socket_ready || fail "sway did not start"
swaysock=$(ls "$out"/sway-ipc.*.sock)
tree() { as_user env SWAYSOCK="$swaysock" swaymsg -t get_tree -r; }
type_keys() { as_user env WAYLAND_DISPLAY=wayland-1 wtype "$@"; }

exec_as_user env WAYLAND_DISPLAY=wayland-1 wtype -s 120000 &
keyboard_pid=$!
exec_as_user env WAYLAND_DISPLAY=wayland-1 WAYLAND_DEBUG=1 WOB_TRACE=1 SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 "$wob" >"$out/wob.log" 2>&1 &
wob_pid=$!

said() { grep -q -- "$1" "$out/wob.log"; }
shows() { tree | grep -q "\"name\": \"$1\""; }
wait_for 30 said "wob: video driver wayland" || fail "the game did not start SDL's Wayland driver"
wait_for 60 said "present id=1 pixels=[1-9]" || fail "the splash was never drawn"
wait_for 60 shows Kinderkit || fail "the main menu did not open"
wait_for 60 said "present id=2 pixels=[1-9]" || fail "the main menu was never drawn"
wait_for 30 said "zwp_keyboard_shortcuts_inhibit_manager_v1@[0-9]*.inhibit_shortcuts" ||
  fail "the menu did not ask to inhibit the compositor's shortcuts"
type_keys -M ctrl -M alt -k t -m alt -m ctrl
wait_for 30 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "Ctrl+Alt+T did not end the game"
wait "$wob_pid"
code=$?
wob_pid=
[ "$code" -eq 0 ] || fail "the game ended with exit code $code"

grep -E "^wob: |window id=|inhibit_shortcuts|shortcuts_inhibitor_v1@[0-9]*\.(active|destroy)|key-down vk=84" \
  "$out/wob.log" | grep -v "present"
echo "PASS: the game ran on Wayland; logs in $out"
