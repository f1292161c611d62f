#!/bin/bash
# Smoke test of the parent panel on SDL under its own Xvfb: holding Ctrl+Alt+O on the menu shows
# the ring and then opens the panel, a click switches spoken names on in the settings file, the
# close button goes back to the menu, and Ctrl+Alt+T ends the game and keeps its figures.
# Usage: sdl_panel_test.sh <wob executable> <folder for screenshots and logs>
set -u
wob=$1
out=$2
# shellcheck source=sdl_game_lib.sh
source "$(dirname "$0")/sdl_game_lib.sh"

# The game's settings go to a folder of this test's, never the user's.
export XDG_CONFIG_HOME="$out/config"
settings="$XDG_CONFIG_HOME/wobbleton-playboard/settings.ini"
rm -rf "$XDG_CONFIG_HOME"

start_game_to_menu
shot menu
ring_shown() { shot ring && lib_above "$(lib_difference "$out/menu.png" "$out/ring.png")" 100; }
xdotool keydown ctrl keydown alt keydown o
lib_wait_for 10 ring_shown || fail "no ring while Ctrl+Alt+O is held"
lib_wait_for 10 full_windows_are 2 || fail "holding Ctrl+Alt+O did not open the panel"
xdotool keyup o keyup alt keyup ctrl
lib_wait_for 30 nth_full_window_presented 2 || fail "the panel was never presented"
shot panel

click frmParent cmdSpeakNames
speaks() { grep -q '^SpeakNames=1' "$settings" 2>/dev/null; }
lib_wait_for 10 speaks || fail "spoken names were not written on: $(cat "$settings" 2>&1)"
shot panel-on
click frmParent cmdClose
lib_wait_for 30 full_windows_are 1 || fail "the close button did not go back to the menu"

end_game
grep -q '^\[LastGame\]' "$settings" || fail "the game's figures were not kept"
echo "PASS: parent panel opened by the held keys, spoken names on, closed; screenshots in $out"
