#!/usr/bin/env bash
# Types into the skinned edit window under Xvfb and openbox with xdotool, selects with the
# mouse, copies and pastes, and checks what the edits report. Usage: edit_e2e.sh <program> <work dir> <lsan.supp>
set -euo pipefail
program=$1
work=$2

# Leaks inside system libraries are not the program's.
export LSAN_OPTIONS="suppressions=$3${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$work"
cd "$work"

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() { echo "e2e: $*" >&2; exit 1; }

# A display number of our own: derived from the process id, skipping ones in use, and
# moving on when another server takes the number first.
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

SDL_AUDIODRIVER=dummy "$program" >edit.log 2>edit.err &
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
import -window root selected.png
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
import -window root final.png

# SDL turns the termination signal into a quit, so the program ends through its own loop.
kill "$program_pid"
wait "$program_pid" || fail "the program ended with an error: $(cat edit.err)"
echo "e2e: edit passed; screenshots in $work"
