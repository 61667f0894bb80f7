#!/usr/bin/env bash
# Runs the skinned-windows example under Xvfb and openbox, drives it with xdotool and checks
# window geometry and screenshots taken with ImageMagick.
# Usage: skinned_e2e.sh <burdomir_skinned binary> <work dir>
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/e2e_helpers.sh"
e2e_begin "$work"
start_virtual_display
start_window_manager
start_program skinned.log "$program"

wait_geometry() { # window expected-geometry what
  local g
  for _ in $(seq 30); do
    g=$(window_geometry "$1")
    [ "$g" = "$2" ] && return 0
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
shot start.png
root=$(pixel start.png 5 5)
# The outline cuts the corners: the desktop shows through at the very corner, the frame a
# little further in.
expect_pixel start.png 40 40 "$root" "the main window's top-left corner is cut away"
expect_pixel_not start.png 50 50 "$root" "the frame is drawn"
expect_pixel start.png $((40 + 399)) 40 "$root" "the main window's top-right corner is cut away"

# Dragging the caption moves the main window.
xdotool mousemove 140 52 sleep 0.2 mousedown 1 sleep 0.2 mousemove 160 62 sleep 0.2 mousemove 190 82 sleep 0.2 mouseup 1
wait_geometry "$main" "90 70 400 260" "the dragged main window"

# Dragging the right edge sizes the sizeable window.
xdotool mousemove 778 140 sleep 0.2 mousedown 1 sleep 0.2 mousemove 790 140 sleep 0.2 mousemove 818 140 sleep 0.2 \
  mouseup 1
wait_geometry "$sizeable" "480 40 340 200" "the sized window"

# A right click on the sizeable window's caption opens its skinned system menu at the pointer:
# "Minimize" and "Maximize" from the top, then a separator and "Close", each item about 20
# pixels high; choosing "Close" closes the window.
under_menu() { import -window root -crop 80x60+605+57 +repage rgb:- | md5sum; }
before=$(under_menu)
xdotool mousemove 600 52 sleep 0.2 click 3
sleep 0.6
import -window root system_menu.png
[ "$(under_menu)" != "$before" ] || fail "no system menu opened at the pointer"
xdotool mousemove 630 117 sleep 0.3 click 1
for _ in $(seq 30); do window_named "$sizeable" >/dev/null || break; sleep 0.1; done
window_named "$sizeable" >/dev/null && fail "choosing Close in the system menu did not close the window"

# The dialog's system menu minimises it into its caption bar.
read -r dx dy dw dh < <(window_geometry "$dialog")
xdotool mousemove $((dx + 100)) $((dy + 12)) sleep 0.2 click 3
sleep 0.6
import -window root dialog_menu.png
xdotool mousemove $((dx + 130)) $((dy + 26)) sleep 0.3 click 1
sleep 0.5
read -r _ _ bw bh < <(window_geometry "$dialog")
[ "$bw $bh" = "200 39" ] || fail "choosing Minimize left the dialog ${bw}x${bh}"
read -r bx by bw bh < <(window_geometry "$dialog")
xdotool mousemove $((bx + 137)) $((by + 17)) sleep 0.2 click 1
wait_geometry "$dialog" "$dx $dy $dw $dh" "the dialog restored after the system menu"

# The dialog's minimise button turns it into a caption bar at the bottom-left of the work area.
read -r dx dy dw dh < <(window_geometry "$dialog")
xdotool mousemove $((dx + 238)) $((dy + 17)) sleep 0.2 click 1
sleep 0.5
read -r bx by bw bh < <(window_geometry "$dialog")
[ "$bw $bh" = "200 39" ] || fail "the minimised dialog is ${bw}x${bh}"
[ "$bx" = 0 ] || fail "the minimised dialog's bar is at x $bx"
shot minimised.png
expect_pixel_not minimised.png $((bx + 100)) $((by + 12)) "$root" "the caption bar is drawn"

# Its restore button brings it back where it was.
sleep 0.3
xdotool mousemove $((bx + 137)) $((by + 17)) sleep 0.2 click 1
wait_geometry "$dialog" "$dx $dy $dw $dh" "the restored dialog"

# The close buttons close the dialog, then the main window, which ends the program.
xdotool mousemove $((dx + 272)) $((dy + 17)) sleep 0.3 click 1
window_gone "$dialog" || fail "the dialog's close button did not close it"
shot closed.png
read -r mx my _ _ < <(window_geometry "$main")
xdotool mousemove $((mx + 400 - 28)) $((my + 17)) sleep 0.3 click 1
expect_program_end "the main window's close button did not end the program" skinned.log
echo "e2e: skinned windows passed; screenshots in $work"
