#!/bin/bash
# A spoken name on SDL under its own Xvfb. The parent's settings file says SpeakNames=1 and the
# computer speaks German; SDL's disk audio driver records what the game plays. In a copy of the
# game's folder the firework is silent and only the German voice is left, so a sound heard after
# a typed letter is the German name, and the menu and the empty screen say nothing.
# Usage: sdl_voice_test.sh <wob executable> <folder for logs>
set -u
out=$2
app=$out/app
rm -rf "$app" "$out/heard.raw" && mkdir -p "$out" && cp -r "$(dirname "$1")" "$app"
wob=$app/$(basename "$1")
find "$app/voices" -mindepth 1 -maxdepth 1 ! -name de -exec rm -rf {} +
sox -n -r 16000 -c 1 -b 16 "$app/fire1.wav" trim 0 0.5
export XDG_CONFIG_HOME=$out/config
mkdir -p "$XDG_CONFIG_HOME/wobbleton-playboard"
printf '[Playboard]\nSpeakNames=1\n' >"$XDG_CONFIG_HOME/wobbleton-playboard/settings.ini"
export LANG=de_DE.UTF-8 LC_ALL= LC_MESSAGES=
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$out/heard.raw
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

# Whether the recording holds any sample other than silence (16-bit zeros). The audio device,
# and with it the recording, opens at the game's first sound.
heard() { [ -f "$out/heard.raw" ] && [ -n "$(tr -d '\000' <"$out/heard.raw" | head -c 1)" ]; }

start_game_to_menu
open_screen cmdLetters letters
heard && fail "something was heard before any picture appeared"
xdotool type a
lib_wait_for 15 heard || fail "the letter's name was not heard"
click_exit frmLetters
end_game
grep -q "wobbleton-playboard:" "$out/wob.log" && fail "the settings gave problems: $(cat "$out/wob.log")"
echo "PASS: the German name of a typed letter was heard"
