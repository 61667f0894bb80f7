# shellcheck shell=bash
# Places on the game's windows and the player's actions on them, shared by the scripts that
# play the real game. Source it after e2e_helpers.sh, with $program and $source_dir set (the
# game reads its sound cues from the source folder). Every window of the game has the same
# skinned frame, so a window's client area starts 6 pixels right of and 33 below its corner;
# the main window's tab sheets start 18 and 35 further in.
#   begin_game_e2e WORK          e2e_begin WORK, then a display of our own and openbox on it
#   start_game LOG [ARG...]      the game started in the source folder, with those options
#   name_drunkard NAME           types the name (Latin letters: xdotool drops Cyrillic ones
#                                under load), sets main_title, waits for the main window
#   locate_main / locate_dialog TITLE     set mx my / dx dy, the client area's corner
#   tab N                        shows tab N (0 "Ресурсы" .. 4 "Магазин"), waits until drawn
#   sheet_click X Y / client_click X Y / dialog_click X Y    a click inside those areas
#   open_dialog TITLE X Y        opens a dialog by a click on the sheet, waits until drawn
#   city_action ROW              on tab "Город": 0 search, 1 begging, 2 training, 3 return
#   set_slider X Y FROM TO MIN MAX       drags the thumb of a slider whose corner is at X Y
#   answer_box TITLE [SHOT]      waits for a message box (shot into SHOT), answers it, waits
#                                until it closes
#   crop NAME X Y W H            an image of part of the screen, printed as its checksum
#   status_crop money|day|hour|speed    a status-line label of the main window, as crop does
#   speed_up / speed_down        the up-down on the status line; fastest_speed checks 3 to 4
#   stage_crop                   the stage name on tab "Тушка", as crop does
#   watch_until_ending POLLS ON_DAY ON_STAGE   day turns and stage changes until the ending
#   settle X Y W H               waits until that part of the screen stops changing
#   buy GOOD QUANTITY            buys at its counter; returns 1 when a warning refused it

# The screen as it was when a check failed, beside the other screenshots.
fail() {
  import -window root failure.png 2>/dev/null || true
  echo "e2e: $*" >&2
  exit 1
}

game_frame_dx=6
game_frame_dy=33

begin_game_e2e() { # work dir
  e2e_begin "$1"
  start_virtual_display
  start_window_manager
}

# shellcheck disable=SC2154 # program and source_dir are the sourcing script's
start_game() { # log [argument...]
  local work=$PWD
  cd "$source_dir" || fail "cannot enter $source_dir"
  start_program "$work/$1" "$program" "${@:2}"
  cd "$work" || fail "cannot return to $work"
}

# The pointer rests on the place a moment first, so the control under it has seen it come.
click_at() { xdotool mousemove "$1" "$2" sleep 0.1 click 1 sleep 0.1; }

# Waits until the screen stops changing at a place: the program has drawn what a click did.
settle() { # x y w h
  local before after
  before=$(crop settle "$@")
  for _ in $(seq 30); do
    sleep 0.15
    after=$(crop settle "$@")
    [ "$after" = "$before" ] && return 0
    before=$after
  done
}

crop() { # name x y w h
  import -window root -crop "$4x$5+$2+$3" +repage "crop_$1.png" && md5sum <"crop_$1.png" | cut -d' ' -f1
}

locate_main() {
  local x y
  read -r x y < <(window_position "$main_title")
  mx=$((x + game_frame_dx))
  my=$((y + game_frame_dy))
}
locate_dialog() { # title
  local x y
  wait_for_window "$1"
  read -r x y < <(window_position "$1")
  dx=$((x + game_frame_dx))
  dy=$((y + game_frame_dy))
}

client_click() { click_at $((mx + $1)) $((my + $2)); }
sheet_click() { click_at $((mx + 18 + $1)) $((my + 35 + $2)); }
dialog_click() { click_at $((dx + $1)) $((dy + $2)); }

# Opens a dialog from a control of the main window and checks it came and was drawn.
open_dialog() { # title x y on the sheet
  sheet_click "$2" "$3"
  locate_dialog "$1"
  settle "$dx" "$dy" 200 100
}

# Tab "Город": the action labels sit in the group "Действия" at (8, 168).
city_action() { # row 0..3
  sheet_click $((8 + 8 + 20)) $((168 + 32 + 24 * $1 + 8))
}

name_drunkard() { # name
  wait_for_window Burdomir
  xdotool type --delay 30 "$1"
  xdotool key Return
  main_title="Burdomir - $1"
  wait_for_window "$main_title"
  window_gone Burdomir || fail "the start window stayed after the name was accepted"
  locate_main
}

# Tab headers on the page control, by their order; the page body is checked to have been drawn.
tab_x=(49 106 154 204 261)
tab() { # index
  client_click "${tab_x[$1]}" 26
  settle $((mx + 16)) $((my + 40)) 513 329
}

# The status line: the labels at client y 376, and the up-down's buttons.
status_crop() { # which
  case $1 in
    money) crop money $((mx + 16)) $((my + 376)) 137 25 ;;
    day) crop day $((mx + 152)) $((my + 376)) 85 25 ;;
    hour) crop hour $((mx + 240)) $((my + 376)) 113 25 ;;
    speed) crop speed $((mx + 368)) $((my + 376)) 100 25 ;;
  esac
}
# The stage name on tab "Тушка", cut out to watch it change.
stage_crop() { crop stage $((mx + 18 + 176)) $((my + 35 + 232)) 200 22; }

# Watches the day line and the stage name (tab "Тушка" shown) until a message box ends the
# game, at most polls tenths of a second: after each day turn seen, "on_day_turn N" runs
# (N counts them); after each change of the stage name, "on_stage_change" runs. A day turn
# seen during on_day_turn is handled at once. Sets days to the day turns seen, the ending's
# own included (the ending comes in the tick of the day turn, which rewrites the day first).
watch_until_ending() { # polls on_day_turn on_stage_change
  local day stage now
  day=$(status_crop day)
  stage=$(stage_crop)
  days=0
  for _ in $(seq "$1"); do
    window_named Information >/dev/null && break
    now=$(status_crop day)
    if [ "$now" != "$day" ]; then
      days=$((days + 1))
      day=$now
      "$2" "$days"
      continue
    fi
    now=$(stage_crop)
    if [ "$now" != "$stage" ]; then
      window_named Information >/dev/null && break # the box came over the label meanwhile
      stage=$now
      "$3"
    fi
    sleep 0.1
  done
  window_named Information >/dev/null || fail "no ending came after $days day turns"
  sleep 0.5
  [ "$(status_crop day)" != "$day" ] && days=$((days + 1))
  return 0
}

speed_up() { client_click 479 383; }
# Speed 4, from the 3 the game starts with: the speed line must change.
fastest_speed() {
  local before
  before=$(status_crop speed)
  speed_up
  for _ in $(seq 30); do [ "$(status_crop speed)" != "$before" ] && break; sleep 0.1; done
  [ "$(status_crop speed)" != "$before" ] || fail "the up-down did not change the speed line"
}
speed_down() { client_click 479 399; }

# The game's sliders take no keys; their thumb is dragged. Its centre runs from 6 pixels
# inside the slider's left end to 6 inside its right end; past an end it stops there.
thumb_x() { # x value min max
  if [ "$4" -le "$3" ]; then echo $(($1 + 6)); else echo $(($1 + 6 + ($2 - $3) * 88 / ($4 - $3))); fi
}
set_slider() { # x y from to min max (a "to" past max drags to the end)
  local target=$(($(thumb_x "$1" "$4" "$5" "$6")))
  [ "$4" -gt "$6" ] && target=$(($1 + 130))
  xdotool mousemove "$(thumb_x "$1" "$3" "$5" "$6")" $(($2 + 10)) mousedown 1 \
    mousemove $(($(thumb_x "$1" "$3" "$5" "$6") + 3)) $(($2 + 10)) sleep 0.1 \
    mousemove "$target" $(($2 + 10)) sleep 0.1 mouseup 1 sleep 0.3
  settle "$1" "$2" 140 20
}

answer_box() { # title [screenshot file]
  wait_for_window "$1"
  if [ -n "${2:-}" ]; then
    settle 0 0 1024 768
    shot "$2"
  fi
  xdotool windowactivate --sync "$(window_named "$1")" key Return
  window_gone "$1" || fail "the message box '$1' did not close"
}

# Counters: the group box's corner on its sheet, the goods' radio boxes in it, the slider and
# the "Купить" button.
declare -A counter_corner=([grocery]="8 8" [pharmacy]="8 168" [market]="8 8")
declare -A counter_quantity=([grocery]=1 [pharmacy]=1 [market]=1)
declare -A counter_tab=([grocery]=4 [pharmacy]=4 [market]=3)
declare -A counter_buy=([grocery]="248 110" [pharmacy]="168 110" [market]="168 110")
declare -A good_place=(
  [beer]="grocery 8 32" [wine]="grocery 8 56" [vodka]="grocery 8 80"
  [bread]="grocery 144 32" [stew]="grocery 144 56" [herring]="grocery 144 80"
  [vitamins]="pharmacy 8 32" [injections]="pharmacy 8 64"
  [moonshine]="market 8 32" [roses]="market 8 64")

# Selects a good, sets the quantity and presses "Купить": the money line must change, or a
# warning says there is not enough money (then 1 is returned).
buy() { # good quantity
  local counter gx gy cx cy bx by before
  read -r counter gx gy <<<"${good_place[$1]}"
  read -r cx cy <<<"${counter_corner[$counter]}"
  read -r bx by <<<"${counter_buy[$counter]}"
  tab "${counter_tab[$counter]}"
  sheet_click $((cx + gx + 8)) $((cy + gy + 12))
  set_slider $((mx + 18 + cx + 8)) $((my + 35 + cy + 112)) "${counter_quantity[$counter]}" "$2" 1 10
  counter_quantity[$counter]=$2
  before=$(status_crop money)
  sheet_click $((cx + bx + 44)) $((cy + by + 12))
  for _ in $(seq 50); do
    if window_named Warning >/dev/null; then
      answer_box Warning
      return 1
    fi
    [ "$(status_crop money)" != "$before" ] && return 0
    sleep 0.1
  done
  fail "buying $2 $1 changed neither the money line nor showed a warning"
}
