#!/usr/bin/env bash
# Runs the showcase under Xvfb and openbox, clicks through it with xdotool and checks
# screenshots taken with ImageMagick. Usage: showcase_e2e.sh <showcase binary> <work dir>
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/e2e_helpers.sh"
e2e_begin "$work"
start_virtual_display
start_window_manager
start_program showcase.log "$program"

navy="srgb(0,0,128)"
grey="srgb(128,128,128)"

wait_for_window "Пример окон"
wait_for_window "Второе окно"
sleep 1  # a few timer ticks

read -r mx my < <(window_position "Пример окон")
read -r sx sy < <(window_position "Второе окно")
[ "$mx $my" = "40 40" ] || fail "the main window is at $mx,$my instead of 40,40"
[ "$sx $sy" = "440 40" ] || fail "the second window is at $sx,$sy instead of 440,40"

shot start.png
expect_pixel start.png $((mx + 350)) $((my + 10)) "$navy" "the main window is active"
expect_pixel start.png $((sx + 250)) $((sy + 10)) "$grey" "the second window is inactive"
expect_pixel start.png $((sx + 295)) $((sy + 5)) "srgb(0,0,0)" "the second window's outline cuts its corner"
expect_pixel start.png $((sx + 295)) $((sy + 15)) "$grey" "the outline keeps the rest of the caption"
expect_pixel start.png $((mx + 3 + 12 + 4)) $((my + 22 + 72 + 8)) "$navy" "the timer has moved the progress bar"

# "Информация" opens an information box centred over the main window.
xdotool mousemove $((mx + 3 + 102 + 42)) $((my + 22 + 124 + 12)) click 1
wait_for_window "Information"
sleep 0.3
shot message.png
read -r bx by bw _ < <(window_geometry "Information")
[ $((bx + bw / 2)) -eq $((mx + 190)) ] || fail "the message box is not centred over the main window"
expect_pixel message.png $((bx + bw - 8)) $((by + 10)) "$navy" "the message box is active"
expect_pixel message.png $((mx + 350)) $((my + 10)) "$grey" "the main window is inactive under the box"

# Enter closes it and the main window is active again.
xdotool key Return
window_gone "Information" || fail "Enter did not close the message box"
sleep 0.3
shot closed.png
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
shot dialog.png
xdotool key Escape
window_gone "Диалог" || fail "Esc did not close the modal dialog"

# "Выход" ends the program.
xdotool mousemove $((nx + 3 + 102 + 42)) $((ny + 22 + 158 + 12)) click 1
expect_program_end "the program did not end on Выход" showcase.log
echo "e2e: showcase passed; screenshots in $work"
