#!/usr/bin/env bash
# Plays one game of the real program under Xvfb and openbox with xdotool, every action the
# player has, each checked on screen: naming, buying, drinking, eating, healing, the bottle
# search, begging, returning bottles, training, Petrovich and Dunka (with a rose bought
# first), at speed 4. Screenshots of every window are kept in the work dir.
# Usage: game_play_e2e.sh <burdomir> <source dir> <work dir>
set -euo pipefail
program=$1
source_dir=$2
source "$(dirname "$0")/e2e_helpers.sh"
source "$e2e_dir/game_places.sh"
begin_game_e2e "$3"

start_game program.log
wait_for_window Burdomir
settle 0 0 1024 768
shot start_window.png
name_drunkard Vasya
for t in 0 1 2 3 4; do
  tab "$t"
  shot "main_tab$t.png"
done

# Tab "Тушка": each gauge's number beside its bar.
gauge_crop() { # drunkenness|satiety|liver
  local y
  case $1 in drunkenness) y=24 ;; satiety) y=88 ;; liver) y=152 ;; esac
  crop "$1" $((mx + 18 + 176)) $((my + 35 + y)) 60 22
}

# Shopping: what the three consumption dialogs and the seduction use below. The clock runs
# on the main window, so this is done at the starting speed; after it, the satiety lasts at
# least five game days, a minute at speed 4, twice what the rest of the play takes on a
# loaded machine.
buy vodka 2 || fail "1000 roubles did not buy two vodkas"
buy herring 2 || fail "the money left did not buy two herrings"
buy vitamins 1 || fail "the money left did not buy vitamins"
buy roses 1 || fail "the money left did not buy a rose"
fastest_speed
tab 0
shot main_resources_bought.png

# Drinking the two vodkas raises drunkenness and lowers the liver.
tab 1
drunk=$(gauge_crop drunkenness) liver=$(gauge_crop liver)
open_dialog "Выпить" 284 60
shot dialog_drink.png
set_slider $((dx + 8)) $((dy + 144)) 0 2 0 2
settle "$dx" "$dy" 262 250
shot dialog_drink_set.png
dialog_click 196 212
window_gone "Выпить" || fail "the drink dialog stayed after drinking"
settle $((mx + 18)) $((my + 35)) 300 200
[ "$(gauge_crop drunkenness)" != "$drunk" ] || fail "drinking did not change the drunkenness"
[ "$(gauge_crop liver)" != "$liver" ] || fail "drinking did not change the liver"

satiety=$(gauge_crop satiety)
open_dialog "Пожрать" 284 124
shot dialog_eat.png
set_slider $((dx + 8)) $((dy + 144)) 0 2 0 2
dialog_click 196 156
window_gone "Пожрать" || fail "the eat dialog stayed after eating"
settle $((mx + 18)) $((my + 35)) 300 200
[ "$(gauge_crop satiety)" != "$satiety" ] || fail "eating did not change the satiety"

liver=$(gauge_crop liver)
open_dialog "Лечить" 284 188
shot dialog_heal.png
set_slider $((dx + 8)) $((dy + 40)) 0 1 0 1
dialog_click 188 108
window_gone "Лечить" || fail "the heal dialog stayed after healing"
settle $((mx + 18)) $((my + 35)) 300 200
[ "$(gauge_crop liver)" != "$liver" ] || fail "healing did not change the liver"
shot main_after_consuming.png


# The bottle search, once a day: a place, "Вперед!", and the count in an information box.
search_bottles() {
  locate_dialog "Доходный бизнес"
  settle "$dx" "$dy" 372 192
  shot dialog_search.png
  dialog_click 52 $((8 + 24 + 12))
  dialog_click 52 156
  answer_box Information message_search.png
  window_gone "Доходный бизнес" || fail "the search dialog stayed after the search"
}
tab 2
city_action 0
search_bottles
# A second search the same day is refused. Should a day turn come between the two (the
# clock runs while the main window is active), the search is open again: it is made, and
# the refusal tried once more.
for _ in 1 2 3; do
  day=$(status_crop day)
  city_action 0
  for _ in $(seq 50); do
    window_named Warning >/dev/null || window_named "Доходный бизнес" >/dev/null && break
    sleep 0.1
  done
  window_named Warning >/dev/null && break
  [ "$(status_crop day)" != "$day" ] || fail "a second search on the same day was not refused"
  search_bottles
done
answer_box Warning

# Begging: a place and a phrase, then "Ага" until an attempt fails, which closes the
# dialog (each success raises the risk of the next, so that comes within seven attempts).
liver=$(tab 1; gauge_crop liver)
tab 2
city_action 1
locate_dialog "Вылазка"
settle "$dx" "$dy" 346 339
dialog_click 24 $((8 + 32 + 12))
dialog_click 24 $((136 + 32 + 12))
settle "$dx" "$dy" 346 339
shot dialog_beg.png
# The begging dialog is modal: the main window's speed buttons do nothing meanwhile.
speed=$(status_crop speed)
speed_down
sleep 1
[ "$(status_crop speed)" = "$speed" ] || fail "the main window took input while the begging dialog was open"
attempts=0
while window_named "Вылазка" >/dev/null; do
  attempts=$((attempts + 1))
  [ "$attempts" -le 8 ] || fail "begging did not end within eight attempts"
  sleep 0.5 # two quick presses on one button are a double click, which is no click
  dialog_click 52 308
  answer_box Information
  settle "$dx" "$dy" 346 339
done
tab 1
[ "$(gauge_crop liver)" != "$liver" ] || fail "the failed begging did not hurt the liver"

# Returning bottles: one (the dialog stays, the money rises), then the rest by dragging the
# slider to its end (the dialog closes with no bottles left).
tab 2
money=$(status_crop money)
city_action 3
locate_dialog "Сдаем бутылки"
settle "$dx" "$dy" 222 123
shot dialog_return.png
dialog_click 52 92
settle "$dx" "$dy" 222 123
window_named "Сдаем бутылки" >/dev/null || fail "returning one of several bottles closed the dialog"
set_slider $((dx + 8)) $((dy + 40)) 1 1000 1 2
dialog_click 52 92
window_gone "Сдаем бутылки" || fail "returning every bottle did not close the dialog"
[ "$(status_crop money)" != "$money" ] || fail "returning bottles did not pay"
city_action 3
answer_box Warning message_no_bottles.png

# Training: the first level costs 300; the dialog stays open for the next level.
money=$(status_crop money)
city_action 2
locate_dialog Form5
settle "$dx" "$dy" 222 132
shot dialog_train.png
level=$(crop level $((dx + 8)) $((dy + 8)) 150 20)
dialog_click 52 76
settle "$dx" "$dy" 222 132
[ "$(crop level $((dx + 8)) $((dy + 8)) 150 20)" != "$level" ] || fail "training did not raise the level"
shot dialog_trained.png
[ "$(status_crop money)" != "$money" ] || fail "training did not cost money"
# The dialog only closes at the top level; the main window clicked comes in front of it.
client_click 300 400

# Tab "Рынок": Petrovich gives or refuses, in an information box; a second request is refused.
tab 3
sheet_click 60 $((168 + 80 + 10))
answer_box Information
sleep 0.5 # not a double click on the label
sheet_click 60 $((168 + 80 + 10))
answer_box Warning

# Dunka with the one rose bought: either outcome closes the dialog with an information box.
sheet_click 60 $((168 + 40 + 10))
locate_dialog "Соблазнение Дуньки"
settle "$dx" "$dy" 348 123
shot dialog_seduce.png
dialog_click 52 92
answer_box Information
window_gone "Соблазнение Дуньки" || fail "the seduction dialog stayed after its attempt"
shot main_after_actions.png

# Still alive after all that: closing the main window ends the program successfully.
window_named Information >/dev/null && fail "an ending came during the play"
xdotool windowactivate --sync "$(window_named "$main_title")" key alt+F4
expect_program_end "the program did not end when the main window was closed" program.log
echo "e2e: every action of the player passed; screenshots in $PWD"
