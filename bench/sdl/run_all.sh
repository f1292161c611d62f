#!/bin/bash
# Runs every SDL measurement of the game, one after the other.
# Usage: WOB_SCREEN_GEOMETRY=<screen_geometry> run_all.sh <wob> <work folder>
set -u
here=$(dirname "$0")
"$here/first_frame.sh" "$1" "$2/first_frame" &&
  "$here/menu_render.sh" "$1" "$2/menu_render" &&
  "$here/idle_cpu.sh" "$1" "$2/idle_cpu" &&
  "$here/busy_cpu.sh" "$1" "$2/busy_cpu"
