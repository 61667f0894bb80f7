#!/usr/bin/env bash
# A game left alone at speed 4 under Xvfb and openbox: nothing is drunk, so the drunkenness
# drained each day reaches 0 at the fifth day turn and the drunkard dies of sobriety; closing
# that message ends the program successfully. Screenshots are kept in the work dir.
# Usage: game_death_e2e.sh <burdomir> <source dir> <work dir>
set -euo pipefail
program=$1
source_dir=$2
source "$(dirname "$0")/e2e_helpers.sh"
source "$e2e_dir/game_places.sh"
begin_game_e2e "$3"

start_game program.log
name_drunkard Petya
fastest_speed
tab 1
shot death_start.png

# Five game days of 12 seconds each; a loaded machine may stretch them. Nothing is done at a
# day turn, and the stage name must never change.
stage_changed() { fail "the stage changed in a game where nothing was drunk"; }
watch_until_ending 1500 true stage_changed
shot death_message.png
# A death, not the victory: it came on the fifth day turn with the stage name never changed
# (a victory needs at least 23 and six stage names), and the drunkenness bar is empty while
# the liver's, never touched, is as full as at the start.
[ "$days" -eq 5 ] || fail "the ending came after $days day turns, not 5"
expect_pixel_not death_message.png $((mx + 18 + 27)) $((my + 35 + 60)) "$(pixel death_start.png $((mx + 18 + 27)) $((my + 35 + 60)))" \
  "the drunkenness bar at the end"
expect_pixel death_message.png $((mx + 18 + 27)) $((my + 35 + 188)) "$(pixel death_start.png $((mx + 18 + 27)) $((my + 35 + 188)))" \
  "the liver bar at the end"
answer_box Information
expect_program_end "the program did not end after the death message" program.log
echo "e2e: the drunkard died of sobriety; screenshots in $PWD"
