#!/usr/bin/env bash
# Runs the skinned-windows example under Xvfb and openbox, drives it with xdotool and checks
# window geometry and screenshots taken with ImageMagick.
# Usage: skinned_e2e.sh <burdomir_skinned binary> <work dir>
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

display=$((100 + $$ % 800))
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

SDL_AUDIODRIVER=dummy "$program" >skinned.log 2>&1 &
program_pid=$!
pids+=($program_pid)

window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
wait_for_window() {
  for _ in $(seq 100); do window_named "$1" >/dev/null && return 0; sleep 0.1; done
  fail "no window named '$1' appeared"
}
# "x y width height" of a window on the screen.
window_geometry() {
  xdotool getwindowgeometry "$(window_named "$1")" |
    sed -n -e 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p' -e 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
    tr '\n' ' '
  echo
}
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
differs() { # shot x y colour what: the pixel must not have that colour
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" != "$4" ] || fail "$5: pixel ($2,$3) of $1 is $got"
}
same() { # shot x y colour what
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $1 is $got, expected $4"
}
wait_geometry() { # window expected-geometry what
  local g
  for _ in $(seq 30); do
    g=$(window_geometry "$1")
    [ "$g" = "$2 " ] && return 0
    sleep 0.1
  done
  fail "$3: '$1' is at $g instead of $2"
}

main="Скины: главное окно"
sizeable="Скины: размер"
dialog="Скины: диалог"
wait_for_window "$main"
wait_for_window "$sizeable"
wait_for_window "$dialog"
sleep 0.5

wait_geometry "$main" "40 40 400 260" "the main window's place"
import -window root start.png
root=$(pixel start.png 5 5)
# The outline cuts the corners: the desktop shows through at the very corner, the frame a
# little further in.
same start.png 40 40 "$root" "the main window's top-left corner is cut away"
differs start.png 50 50 "$root" "the frame is drawn"
same start.png $((40 + 399)) 40 "$root" "the main window's top-right corner is cut away"

# Dragging the caption moves the main window.
xdotool mousemove 140 52 sleep 0.2 mousedown 1 sleep 0.2 mousemove 160 62 sleep 0.2 mousemove 190 82 sleep 0.2 mouseup 1
wait_geometry "$main" "90 70 400 260" "the dragged main window"

# Dragging the right edge sizes the sizeable window.
xdotool mousemove 778 140 sleep 0.2 mousedown 1 sleep 0.2 mousemove 790 140 sleep 0.2 mousemove 818 140 sleep 0.2 \
  mouseup 1
wait_geometry "$sizeable" "480 40 340 200" "the sized window"

# The dialog's minimise button turns it into a caption bar at the bottom-left of the work area.
read -r dx dy dw dh < <(window_geometry "$dialog")
xdotool mousemove $((dx + 238)) $((dy + 17)) sleep 0.2 click 1
sleep 0.5
read -r bx by bw bh < <(window_geometry "$dialog")
[ "$bw $bh" = "200 39" ] || fail "the minimised dialog is ${bw}x${bh}"
[ "$bx" = 0 ] || fail "the minimised dialog's bar is at x $bx"
import -window root minimised.png
differs minimised.png $((bx + 100)) $((by + 12)) "$root" "the caption bar is drawn"

# Its restore button brings it back where it was.
xdotool mousemove $((bx + 137)) $((by + 17)) sleep 0.2 click 1
wait_geometry "$dialog" "$dx $dy $dw $dh" "the restored dialog"

# The close buttons close the dialog, then the main window, which ends the program.
xdotool mousemove $((dx + 272)) $((dy + 17)) sleep 0.3 click 1
for _ in $(seq 30); do window_named "$dialog" >/dev/null || break; sleep 0.1; done
window_named "$dialog" >/dev/null && fail "the dialog's close button did not close it"
import -window root closed.png
read -r mx my _ _ < <(window_geometry "$main")
xdotool mousemove $((mx + 400 - 28)) $((my + 17)) sleep 0.3 click 1
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the main window's close button did not end the program"
wait "$program_pid" || fail "the program ended with an error: $(cat skinned.log)"
echo "e2e: skinned windows passed; screenshots in $work"
