#!/usr/bin/env bash
# Plays the real game under Xvfb and openbox with xdotool, checked on window names and
# screenshots: the start time beside a bare SDL2 window, the two name refusals, a name ending
# in blanks, the tabs, buying vodka, the clock running and pausing under a message box, the
# speed, and closing the main window ending the program.
# Usage: game_e2e.sh <burdomir> <bare SDL2 window program> <map timer> <source dir> <work dir> <enforce|report>
set -euo pipefail
program=$1
bare=$2
map_timer=$3
source_dir=$4
budget_mode=$6
source "$(dirname "$0")/e2e_helpers.sh"
source "$e2e_dir/game_places.sh"
begin_game_e2e "$5"

# Start time: the bare window and the game, each timed 25 times in turns, medians kept: on a
# shared two-core machine single starts of the same program vary by a factor of two, and the
# median of fifteen still moved by a tenth between runs. The timer starts the program (from
# the data folder, as a player's launcher does) and stops at the server's notice that its
# window titled so is mapped, then ends the program.
time_to_window() { # title program
  (cd "$source_dir" && SDL_AUDIODRIVER=dummy "$map_timer" "$@") 2>>program.log
}
bare_times=() game_times=()
for _ in $(seq 25); do
  ms=$(time_to_window bare "$bare") || fail "the bare window never mapped: $(tail -n 1 program.log)"
  bare_times+=("$ms")
  ms=$(time_to_window Burdomir "$program") || fail "the game's window never mapped: $(tail -n 1 program.log)"
  game_times+=("$ms")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 13p; }
bare_ms=$(median "${bare_times[@]}")
game_ms=$(median "${game_times[@]}")
echo "start to the first window mapped: bare SDL2 window ${bare_times[*]} ms, burdomir ${game_times[*]} ms"
if [ $((game_ms * 100)) -le $((bare_ms * 115)) ]; then verdict="within budget"; else verdict="OVER BUDGET"; fi
echo "start time ratio: $game_ms/$bare_ms (budget 1.15): $verdict"
[ "$budget_mode" = enforce ] && [ "$verdict" = "OVER BUDGET" ] && fail "the start is over its budget"

# The game itself.
start_game program.log
wait_for_window Burdomir
settle 0 0 1024 768
shot start.png

# The name box has the focus: Enter with nothing typed is refused, so is a 36-letter name.
xdotool key Return
answer_box Warning
window_named Burdomir >/dev/null || fail "the start window went away after an empty name"
xdotool type --delay 20 "abcdefghijklmnopqrstuvwxyzabcdefghij"
xdotool key Return
answer_box Warning
xdotool key --repeat 36 --delay 10 BackSpace
# A name ending in blanks is taken as typed and names the main window.
name_drunkard "Vasya  "
settle "$mx" "$my" 546 460
shot main_body.png

# Resident memory of the running game (budget 30 MB; a sanitized build only reports it).
rss_kb=$(sed -n 's/^VmRSS:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$program_pid/status")
if [ "$rss_kb" -le $((30 * 1024)) ]; then verdict="within budget"; else verdict="OVER BUDGET"; fi
echo "resident memory of a running game: $((rss_kb / 1024)) MB (budget 30 MB): $verdict"
[ "$budget_mode" = enforce ] && [ "$verdict" = "OVER BUDGET" ] && fail "the game's memory is over its budget"

# The clock runs while the main window is active.
before=$(status_crop hour)
sleep 2.2
[ "$(status_crop hour)" != "$before" ] || fail "the clock did not advance"

for t in 0 2 3 4; do
  tab "$t"
  shot "main_tab$t.png"
done
# Buying vodka on "Магазин" rewrites the money line.
buy vodka 1 || fail "1000 roubles did not buy a vodka"
shot main_bought.png

# A message box pauses the clock: Petrovich is asked on "Рынок" and the answer stays open.
tab 3
sheet_click 60 $((168 + 80 + 10))
wait_for_window Information
paused=$(status_crop hour)
sleep 2.5
[ "$(status_crop hour)" = "$paused" ] || fail "the clock ran while a message box was open"
shot main_message.png
answer_box Information
sleep 2.2
[ "$(status_crop hour)" != "$paused" ] || fail "the clock did not resume after the message box"

# The up-down's upper button makes the game faster.
fastest_speed

# Closing the main window ends the program.
xdotool windowactivate --sync "$(window_named "$main_title")" key alt+F4
expect_program_end "the program did not end when the main window was closed" program.log
echo "e2e: the game passed; screenshots in $PWD"
