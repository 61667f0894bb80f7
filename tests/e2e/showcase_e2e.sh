#!/usr/bin/env bash
# Runs the showcase under Xvfb and openbox, clicks through it with xdotool and checks
# screenshots taken with ImageMagick. Usage: showcase_e2e.sh <showcase binary> <work dir>
set -euo pipefail
program=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
# Leaks inside system libraries are not the program's; see lsan.supp.
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

source "$here/virtual_display.sh"
start_virtual_display

openbox >openbox.log 2>&1 &
pids+=($!)
sleep 1

SDL_AUDIODRIVER=dummy "$program" >showcase.log 2>&1 &
program_pid=$!
pids+=($program_pid)

# The id of the visible window whose name is exactly $1, or nothing.
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
# The "x y" of a window's top-left corner on the screen.
window_position() {
  xdotool getwindowgeometry "$(window_named "$1")" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'
}
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
expect_pixel() { # shot x y colour what
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $1 is $got, expected $4"
}
navy="srgb(0,0,128)"
grey="srgb(128,128,128)"

wait_for_window "Пример окон"
wait_for_window "Второе окно"
sleep 1  # a few timer ticks

read -r mx my < <(window_position "Пример окон")
read -r sx sy < <(window_position "Второе окно")
[ "$mx $my" = "40 40" ] || fail "the main window is at $mx,$my instead of 40,40"
[ "$sx $sy" = "440 40" ] || fail "the second window is at $sx,$sy instead of 440,40"

import -window root start.png
expect_pixel start.png $((mx + 350)) $((my + 10)) "$navy" "the main window is active"
expect_pixel start.png $((sx + 250)) $((sy + 10)) "$grey" "the second window is inactive"
expect_pixel start.png $((sx + 295)) $((sy + 5)) "srgb(0,0,0)" "the second window's outline cuts its corner"
expect_pixel start.png $((sx + 295)) $((sy + 15)) "$grey" "the outline keeps the rest of the caption"
expect_pixel start.png $((mx + 3 + 12 + 4)) $((my + 22 + 72 + 8)) "$navy" "the timer has moved the progress bar"

# "Информация" opens an information box centred over the main window.
xdotool mousemove $((mx + 3 + 102 + 42)) $((my + 22 + 124 + 12)) click 1
wait_for_window "Information"
sleep 0.3
import -window root message.png
read -r bx by < <(window_position "Information")
bw=$(xdotool getwindowgeometry "$(window_named Information)" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
[ $((bx + bw / 2)) -eq $((mx + 190)) ] || fail "the message box is not centred over the main window"
expect_pixel message.png $((bx + bw - 8)) $((by + 10)) "$navy" "the message box is active"
expect_pixel message.png $((mx + 350)) $((my + 10)) "$grey" "the main window is inactive under the box"

# Enter closes it and the main window is active again.
xdotool key Return
for _ in $(seq 50); do window_named "Information" >/dev/null || break; sleep 0.1; done
window_named "Information" >/dev/null && fail "Enter did not close the message box"
sleep 0.3
import -window root closed.png
expect_pixel closed.png $((mx + 350)) $((my + 10)) "$navy" "the main window is active again"

# Dragging the caption moves the window.
xdotool mousemove $((mx + 200)) $((my + 10)) sleep 0.2 mousedown 1 sleep 0.2 mousemove $((mx + 220)) $((my + 20)) \
  sleep 0.2 mousemove $((mx + 250)) $((my + 40)) sleep 0.2 mouseup 1
sleep 0.3
read -r nx ny < <(window_position "Пример окон")
[ "$nx $ny" = "$((mx + 50)) $((my + 30))" ] || fail "the dragged window is at $nx,$ny"

# "Диалог" opens a modal dialog: the main window's buttons do nothing meanwhile, and Esc
# closes it.
xdotool mousemove $((nx + 3 + 12 + 42)) $((ny + 22 + 124 + 12)) click 1
wait_for_window "Диалог"
xdotool mousemove $((nx + 3 + 102 + 42)) $((ny + 22 + 124 + 12)) click 1
sleep 0.5
window_named "Information" >/dev/null && fail "the main window took a click while the dialog was modal"
import -window root dialog.png
xdotool key Escape
for _ in $(seq 50); do window_named "Диалог" >/dev/null || break; sleep 0.1; done
window_named "Диалог" >/dev/null && fail "Esc did not close the modal dialog"

# "Выход" ends the program.
xdotool mousemove $((nx + 3 + 102 + 42)) $((ny + 22 + 158 + 12)) click 1
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end on Выход"
wait "$program_pid" || fail "the program ended with an error: $(cat showcase.log)"
echo "e2e: showcase passed; screenshots in $work"
