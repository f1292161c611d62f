#!/usr/bin/env bash
# Speaks every name of every language into OUT/<code>/<name>.wav: espeak-ng says the word,
# sox trims the silence around it, makes it 16 kHz mono 16-bit and brings it to one loudness.
#
# Usage: make_voices.sh OUT WORDS_DIR "CODES" "NAMES"
#   WORDS_DIR/<code>.words: a "voice <espeak-ng voice>" line, then "<name> <words>" lines.
# The output is the same bytes on every run: sox runs without dither and in repeatable mode.
set -euo pipefail
out=$1 words=$2 codes=$3 names=$4

readonly kTargetRms=-20  # dB below full scale, every clip
readonly kSpeed=125      # words a minute: unhurried
readonly kPitch=60       # 0 to 99; a little above the voice's own
readonly kVariant=f3     # a soft female variant, the same in every language

# One clip: spoken, trimmed, measured, then brought to the target loudness.
speak() {
  local voice=$1 text=$2 file=$3 scratch=$4 gain
  espeak-ng -v "$voice+$kVariant" -s "$kSpeed" -p "$kPitch" -w "$scratch/raw.wav" -- "$text"
  gain=$(sox -D -R "$scratch/raw.wav" -c 1 -b 16 "$scratch/trim.wav" rate 16000 \
    silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse stats 2>&1 |
    awk -v t="$kTargetRms" '/^RMS lev dB/ { printf "%.2f", t - $4 }')
  sox -D -R "$scratch/trim.wav" "$file" gain "$gain"
}

# Every name of one language; fails when its words file lacks a voice or a name.
language() {
  local code=$1 file=$words/$1.words key rest scratch
  local -A said=()
  while read -r key rest; do
    [[ -z "$key" || "$key" == \#* ]] || said[$key]=$rest
  done <"$file"
  for key in voice $names; do
    [[ -n "${said[$key]:-}" ]] || { echo "make_voices.sh: $file has no \"$key\"" >&2; return 1; }
  done
  scratch=$(mktemp -d)
  mkdir -p "$out/$code"
  for key in $names; do
    speak "${said[voice]}" "${said[$key]}" "$out/$code/$key.wav" "$scratch"
  done
  rm -rf "$scratch"
}

rm -rf "$out"
mkdir -p "$out"
export -f speak language
export out words names kTargetRms kSpeed kPitch kVariant
# One language per job, two at a time: the machine's cores are shared with the compiler.
printf '%s\n' $codes | xargs -P 2 -I{} bash -c 'language "$1"' _ {}
