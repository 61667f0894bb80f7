#!/usr/bin/env bash
# Runs the menu example under Xvfb and openbox: a right click on the skinned window's caption
# opens its system menu at the pointer; choosing "Minimize" minimises the window, and after it is restored
# choosing "Close" ends the program. Usage: menu_e2e.sh <menu binary> <work dir>
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/e2e_helpers.sh"
e2e_begin "$work"
start_virtual_display
start_window_manager
start_program menu.log "$program"

wait_for_window Menu
window=$(window_named Menu)
sleep 0.5

# The example's window lies at 200,150 and is 360 x 240, its caption bar the top 33 pixels; the
# system menu opens at the pointer, its first item ("Minimize") at the top, "Close" after the
# separator.
open_system_menu() {
  xdotool mousemove 330 162 click 3
  sleep 0.6
}
# A checksum of the screen where the menu opens.
under_menu() { import -window root -crop 60x40+335+168 +repage rgb:- | md5sum; }

closed=$(under_menu)
open_system_menu
shot menu_open.png
[ "$(under_menu)" != "$closed" ] || fail "no menu appeared at the pointer"
xdotool mousemove 360 175 click 1
sleep 0.8
state=$(xprop -id "$window" _NET_WM_STATE 2>/dev/null || true)
echo "$state" | grep -q HIDDEN || fail "choosing Minimize did not minimise the window ($state)"
shot minimized.png

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap "$window"
sleep 0.8
open_system_menu
shot menu_again.png
xdotool mousemove 360 202 click 1
expect_program_end "choosing Close did not end the program" menu.log
echo "e2e: menu ok"
