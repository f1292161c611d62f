#!/bin/bash
# Smoke test of the SDL game under its own Xvfb without a window manager: the splash is a
# small centred window, the main menu covers the screen and is drawn, the lockdown keeps
# the escape keys from the menu while it holds the keyboard grab, and Ctrl+Alt+T ends the game
# with exit code 0.
# Usage: sdl_smoke_test.sh <wob executable> <folder for screenshots and logs> <x_grab_probe>
set -u

wob=$1
out=$2
grab_probe=$3
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

# The trace shows a present of a window as big as the screen.
menu_presented() { nth_full_window_presented 1; }
has_full_window() { full_windows_are 1; }

start_xvfb
start_wob

# The splash: a small window, centred.
lib_wait_for 30 has_small_window || fail "no splash window appeared"
read -r _ x y w h < <(game_windows | head -n 1)
shot splash
echo "splash window at $x,$y size ${w}x${h}"
((w < screen_w && h < screen_h)) || fail "the splash is not a small window"
dx=$((2 * x + w - screen_w))
dy=$((2 * y + h - screen_h))
((dx * dx <= 4 && dy * dy <= 4)) || fail "the splash is not centred"

# The keyboard is locked down from the menu's load on, not before.
"$grab_probe" >/dev/null && fail "the keyboard is grabbed while the splash shows"

# Any character key closes the splash; the menu then covers the screen.
xdotool key space
lib_wait_for 30 has_full_window || fail "the main menu did not cover the screen"
lib_wait_for 30 menu_presented || fail "the main menu was never presented"
shot menu
menu_deviation=$(lib_spread "$out/menu.png")
echo "main menu screenshot deviation $menu_deviation"
lib_above "$menu_deviation" 0.02 || fail "the main menu looks blank"
lib_wait_for 10 "$grab_probe" >/dev/null || fail "the menu does not hold the keyboard grab"

# Every character opens a screen from the menu, so these keys must be swallowed for
# Ctrl+Alt+T to reach the menu and end the game.
xdotool key semicolon slash grave bracketleft bracketright apostrophe super alt+Tab
end_game
echo "PASS: splash, main menu and Ctrl+Alt+T; screenshots in $out"
