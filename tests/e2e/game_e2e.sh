#!/usr/bin/env bash
# Plays the real game under Xvfb and openbox with xdotool, checked on window names and
# screenshots: the start time beside a bare SDL2 window, the two name refusals, a name ending
# in blanks, the tabs, buying vodka, the clock running and pausing under a message box, the
# speed, and closing the main window ending the program.
# Usage: game_e2e.sh <burdomir> <bare SDL2 window program> <source dir> <work dir> <enforce|report>
set -euo pipefail
program=$1
bare=$2
source_dir=$3
work=$4
budget_mode=$5
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$work"

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
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
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
[ -n "$started" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
wait_for_window() {
  for _ in $(seq 200); do window_named "$1" >/dev/null && return 0; sleep 0.05; done
  fail "no window named '$1' appeared"
}
wait_gone() {
  for _ in $(seq 100); do window_named "$1" >/dev/null || return 0; sleep 0.05; done
  fail "the window '$1' did not go away"
}
window_position() {
  xdotool getwindowgeometry "$(window_named "$1")" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'
}
now_ms() { date +%s%3N; }
# Milliseconds from launching a program (in the data folder) to its window being mapped.
time_to_window() { # name program...
  local name=$1 t0 t1 pid
  shift
  t0=$(now_ms)
  (cd "$source_dir" && exec "$@") >>"$work/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 400); do window_named "$name" >/dev/null && break; sleep 0.01; done
  t1=$(now_ms)
  window_named "$name" >/dev/null || fail "'$name' never mapped"
  echo "$pid" >"$work/last.pid"
  echo $((t1 - t0))
}
# Ends the program time_to_window started and waits until its window is gone.
stop_last() {
  local pid
  pid=$(cat "$work/last.pid")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
}
# A cut of the screen, as text, to compare two moments of one place.
crop() { import -window root -crop "$3x$4+$1+$2" +repage "$work/crop.png" && md5sum <"$work/crop.png"; }

# Start time: the bare window and the game, each timed three times in turns, medians kept.
bare_times=() game_times=()
for _ in 1 2 3; do
  bare_times+=("$(time_to_window bare "$bare")")
  stop_last
  game_times+=("$(time_to_window Burdomir "$program")")
  stop_last
done
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
bare_ms=$(median "${bare_times[@]}")
game_ms=$(median "${game_times[@]}")
echo "start to the first window mapped: bare SDL2 window $bare_ms ms, burdomir $game_ms ms"
if [ $((game_ms * 100)) -le $((bare_ms * 115)) ]; then verdict="within budget"; else verdict="OVER BUDGET"; fi
echo "start time ratio: $game_ms/$bare_ms (budget 1.15): $verdict"
[ "$budget_mode" = enforce ] && [ "$verdict" = "OVER BUDGET" ] && fail "the start is over its budget"

# The game itself.
(cd "$source_dir" && exec "$program") >>"$work/program.log" 2>&1 &
game_pid=$!
pids+=($game_pid)
wait_for_window Burdomir
sleep 0.5
import -window root "$work/start.png"
read -r fx fy < <(window_position Burdomir)
click_at() { xdotool mousemove "$1" "$2" sleep 0.1 click 1; sleep 0.3; }
answer_box() { # title
  wait_for_window "$1"
  xdotool key Return
  wait_gone "$1"
}

# The name box has the focus: Enter with nothing typed is refused, so is a 36-letter name.
xdotool key Return
answer_box Warning
window_named Burdomir >/dev/null || fail "the start window went away after an empty name"
xdotool type --delay 20 "abcdefghijklmnopqrstuvwxyzabcdefghij"
xdotool key Return
answer_box Warning
xdotool key --repeat 36 --delay 10 BackSpace
# A name ending in blanks is taken as typed and names the main window.
xdotool type --delay 20 "Vasya  "
xdotool key Return
wait_for_window "Burdomir - Vasya  "
window_named Burdomir >/dev/null && fail "the start window stayed after the name was accepted"
sleep 0.5
read -r mx my < <(window_position "Burdomir - Vasya  ")
import -window root "$work/main_body.png"

# Places on the main window, frame included: the status line's hour, money and speed, the
# tabs, and the controls used below.
hour=($((mx + 246)) $((my + 409)) 113 25)
money=($((mx + 22)) $((my + 409)) 137 25)
speed=($((mx + 374)) $((my + 409)) 100 25)
tab_x=(55 112 160 210 267)
tab() { click_at $((mx + tab_x[$1])) $((my + 59)); import -window root "$work/main_tab$1.png"; }

# Resident memory of the running game (budget 30 MB; a sanitized build only reports it).
rss_kb=$(sed -n 's/^VmRSS:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$game_pid/status")
if [ "$rss_kb" -le $((30 * 1024)) ]; then verdict="within budget"; else verdict="OVER BUDGET"; fi
echo "resident memory of a running game: $((rss_kb / 1024)) MB (budget 30 MB): $verdict"
[ "$budget_mode" = enforce ] && [ "$verdict" = "OVER BUDGET" ] && fail "the game's memory is over its budget"

# The clock runs while the main window is active.
before=$(crop "${hour[@]}")
sleep 2.2
[ "$(crop "${hour[@]}")" != "$before" ] || fail "the clock did not advance"

for t in 0 2 3 4; do tab $t; done
# Buying vodka on "Магазин" rewrites the money line.
money_before=$(crop "${money[@]}")
click_at $((mx + 60)) $((my + 169))
click_at $((mx + 324)) $((my + 199))
[ "$(crop "${money[@]}")" != "$money_before" ] || fail "buying vodka did not change the money line"
import -window root "$work/main_bought.png"

# A message box pauses the clock: Petrovich is asked on "Рынок" and the answer stays open.
tab 3
click_at $((mx + 80)) $((my + 325))
for _ in $(seq 100); do window_named Information >/dev/null && break; sleep 0.05; done
window_named Information >/dev/null || fail "asking Petrovich showed no message"
paused=$(crop "${hour[@]}")
sleep 2.5
[ "$(crop "${hour[@]}")" = "$paused" ] || fail "the clock ran while a message box was open"
import -window root "$work/main_message.png"
xdotool key Return
wait_gone Information
sleep 2.2
[ "$(crop "${hour[@]}")" != "$paused" ] || fail "the clock did not resume after the message box"

# The up-down's upper button makes the game faster.
speed_before=$(crop "${speed[@]}")
click_at $((mx + 485)) $((my + 416))
[ "$(crop "${speed[@]}")" != "$speed_before" ] || fail "the speed line did not change"

# Closing the main window ends the program.
xdotool windowactivate --sync "$(window_named "Burdomir - Vasya  ")" key alt+F4
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$game_pid" 2>/dev/null && fail "the program did not end when the main window was closed"
wait "$game_pid" || fail "the program ended with an error: $(cat "$work/program.log")"
echo "e2e: the game passed; screenshots in $work"
