#!/usr/bin/env bash
# Runs the menu example under Xvfb and openbox: a right click on the window opens its system
# menu at the pointer; choosing "Minimize" minimises the window, and after it is restored
# choosing "Close" ends the program. Usage: menu_e2e.sh <menu binary> <work dir>
set -euo pipefail
program=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$work"
cd "$work"

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; exit 1; }

display=$((100 + ($$ + 400) % 800))
started=
for _ in $(seq 10); do
  while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >xvfb.log 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && { started=1; break; }
    sleep 0.1
  done
  if [ -n "$started" ]; then pids+=("$xvfb_pid"); break; fi
  kill "$xvfb_pid" 2>/dev/null || true
  display=$((display + 1))
done
[ -n "$started" ] || fail "Xvfb did not start: $(cat xvfb.log)"
export DISPLAY=":$display"

openbox >openbox.log 2>&1 &
pids+=($!)
sleep 1

SDL_AUDIODRIVER=dummy "$program" >menu.log 2>&1 &
program_pid=$!
pids+=($program_pid)

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Menu$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the menu window did not appear"
sleep 0.5

# The example's window lies at 200,150 and is 360 x 240; the system menu opens at the pointer,
# its first item ("Minimize") one item below the top, "Close" after the separator.
open_system_menu() {
  xdotool mousemove 330 330 click 3
  sleep 0.6
}
# The colour of one screen pixel as ImageMagick names it.
pixel() { import -window root -crop "1x1+$1+$2" txt:- | tail -1 | awk '{print $3}'; }

open_system_menu
import -window root menu_open.png
[ "$(pixel 340 343)" != "$(pixel 300 300)" ] || fail "no menu appeared at the pointer"
xdotool mousemove 360 343 click 1
sleep 0.8
state=$(xprop -id "$window" _NET_WM_STATE 2>/dev/null || true)
echo "$state" | grep -q HIDDEN || fail "choosing Minimize did not minimise the window ($state)"
import -window root minimized.png

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap "$window"
sleep 0.8
open_system_menu
import -window root menu_again.png
xdotool mousemove 360 370 click 1
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "choosing Close did not end the program"
wait "$program_pid" || fail "the program failed: $(cat menu.log)"
echo "e2e: menu ok"
