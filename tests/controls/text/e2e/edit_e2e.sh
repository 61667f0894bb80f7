#!/usr/bin/env bash
# Types into the skinned edit window under Xvfb and openbox with xdotool, selects with the
# mouse, copies and pastes, and checks what the edits report. Usage: edit_e2e.sh <program> <work dir>
set -euo pipefail
program=$1
work=$2

source "$(dirname "$0")/../../../e2e/e2e_helpers.sh"
e2e_begin "$work"
start_virtual_display
start_window_manager
start_program edit.log "$program"

# What an edit holds now: the last line it reported.
text_of() { grep "^$1: " edit.log | tail -n 1 | sed "s/^$1: //"; }
expect_text() { # edit text what
  local got
  for _ in $(seq 30); do got=$(text_of "$1"); [ "$got" = "$2" ] && return 0; sleep 0.1; done
  fail "$3: the $1 edit holds '$got', expected '$2'"
}

wait_for_window "Проверка поля"
sleep 0.5
read -r wx wy < <(window_position "Проверка поля")
# The client area starts 3 pixels in and below the 22-pixel caption; the edits are at
# (20, 20) and (20, 60) in it, 260 wide, 22 and 21 high.
ux=$((wx + 3 + 20)) uy=$((wy + 22 + 20 + 11))
lx=$((wx + 3 + 20)) ly=$((wy + 22 + 60 + 10))

xdotool mousemove $((ux + 100)) $uy click 1
sleep 0.2
# Latin letters: xdotool types characters outside the keyboard map by remapping a spare key
# for each, which loses characters on a busy machine. Cyrillic input takes the same path
# in the program (text events) and is covered by the headless tests.
xdotool type --delay 60 "Vasya Pupkin"
expect_text upper "Vasya Pupkin" "typing"

# A drag from past the text's end to the field's left edge selects all of it; Ctrl+C
# copies, and Ctrl+V in the lower edit pastes.
xdotool mousemove $((ux + 250)) $uy sleep 0.1 mousedown 1 sleep 0.1 mousemove $((ux + 120)) $uy sleep 0.1 \
  mousemove $((ux + 1)) $uy sleep 0.1 mouseup 1
sleep 0.2
shot selected.png
xdotool key ctrl+c
xdotool mousemove $((lx + 100)) $ly click 1
sleep 0.2
xdotool key ctrl+v
expect_text lower "Vasya Pupkin" "copy and paste"

# A double click selects the first word, Ctrl+X cuts it, and End with Ctrl+V puts it at
# the end of the lower edit.
xdotool mousemove $((ux + 12)) $uy click --repeat 2 --delay 80 1
sleep 0.2
xdotool key ctrl+x
expect_text upper " Pupkin" "a double click selects a word and Ctrl+X cuts it"
xdotool mousemove $((lx + 100)) $ly click 1 sleep 0.2 key End key ctrl+v
expect_text lower "Vasya PupkinVasya" "cut and paste"

# Shift+Home selects back to the start, and typing replaces the selection.
xdotool key shift+Home
xdotool type --delay 60 "Gena"
expect_text lower "Gena" "typing over a selection"
sleep 0.7
shot final.png

# SDL turns the termination signal into a quit, so the program ends through its own loop.
kill "$program_pid"
wait "$program_pid" || fail "the program ended with an error: $(cat edit.log)"
echo "e2e: edit passed; screenshots in $work"
