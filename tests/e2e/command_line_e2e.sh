#!/usr/bin/env bash
# The programs as a user starts them from a terminal: the game's options, and both the game
# and the example refusing to run where no display can be reached.
# Usage: command_line_e2e.sh <burdomir binary> <showcase binary> <work dir>
set -euo pipefail
game=$1
showcase=$2
work=$3
source "$(dirname "$0")/e2e_helpers.sh"
e2e_begin "$work"

# Runs "$@" with a time limit; sets status, out and err.
run() {
  local limit=$1; shift
  set +e
  timeout "$limit" "$@" >out.txt 2>err.txt
  status=$?
  set -e
  out=$(cat out.txt)
  err=$(cat err.txt)
}

run 5 "$game" --help
[ "$status" -eq 0 ] || fail "--help ended with status $status"
[[ "$out" == Usage:\ burdomir* ]] || fail "--help printed: $out"
[ -z "$err" ] || fail "--help wrote to stderr: $err"

run 5 "$game" --version
[ "$status" -eq 0 ] || fail "--version ended with status $status"
[[ "$out" =~ ^burdomir\ [0-9]+\.[0-9]+ ]] || fail "--version printed: $out"

run 5 "$game" --frobnicate
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
[[ "$err" == "burdomir: unknown option '--frobnicate'"* ]] || fail "an unknown option printed: $err"
[[ "$err" == *"Usage: burdomir"* ]] || fail "an unknown option did not print the usage"
[ -z "$out" ] || fail "an unknown option wrote to stdout: $out"

# --seed takes one number that fits the generator; anything else is refused like an unknown option.
for bad in "" 12x -1 4294967296; do
  run 5 "$game" --seed ${bad:+"$bad"}
  [ "$status" -eq 2 ] || fail "--seed '$bad' ended with status $status, not 2"
  [[ "$err" == "burdomir: --seed needs a number from 0 to 4294967295"* ]] || fail "--seed '$bad' printed: $err"
done
# A good seed is taken: the program goes on to look for its display.
DISPLAY= run 5 "$game" --seed 4294967295
[ "$status" -eq 1 ] || fail "--seed with a good number ended with status $status, not 1 (no display)"
[[ "$err" == "burdomir: no display"* ]] || fail "--seed with a good number printed: $err"

# Without a display both refuse at once with one line, whatever SDL could fall back to.
# The line and the status are checked with the leak check on; the time without it, as
# LeakSanitizer's scan at exit is slow on a busy machine, and as the quickest of three
# tries: a program that waits for ever is never quick.
no_display() { # program display [extra env...]
  local program=$1 display=$2
  shift 2
  if [ "$display" = unset ]; then
    run 5 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$@" "$program"
  else
    run 5 env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" SDL_AUDIODRIVER=dummy "$@" "$program"
  fi
}
for program in "$game" "$showcase"; do
  name=$(basename "$program")
  for display in unset ":9999"; do
    no_display "$program" "$display"
    [ "$status" -ne 124 ] || fail "$name with DISPLAY $display kept running"
    [ "$status" -ne 0 ] || fail "$name with DISPLAY $display ended with status 0"
    [ "$(wc -l <err.txt)" -eq 1 ] || fail "$name with DISPLAY $display printed more than one line: $err"
    [[ "$err" == "$name: no display to open windows on"* ]] || fail "$name with DISPLAY $display printed: $err"
    fastest=
    for _ in 1 2 3; do
      start=$(date +%s%N)
      no_display "$program" "$display" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
      elapsed_ms=$((($(date +%s%N) - start) / 1000000))
      [ "$status" -ne 124 ] || fail "$name with DISPLAY $display kept running"
      if [ -z "$fastest" ] || [ "$elapsed_ms" -lt "$fastest" ]; then fastest=$elapsed_ms; fi
      [ "$fastest" -lt 1000 ] && break
    done
    [ "$fastest" -lt 1000 ] || fail "$name with DISPLAY $display took $fastest ms at best to give up"
    echo "e2e: $name, DISPLAY $display: status $status after $fastest ms: $err"
  done
done
echo "e2e: command line passed"
