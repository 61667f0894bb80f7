# shellcheck shell=bash
# The plumbing every end-to-end script shares; each script keeps only its own steps and checks.
# Source it after `set -euo pipefail`, then call e2e_begin <work dir> first:
#   source "$(dirname "$0")/e2e_helpers.sh"   (from elsewhere, the path to tests/e2e)
#   e2e_begin "$work"            leak suppressions set, work dir made and entered, cleanup on exit
#   start_virtual_display        an Xvfb of its own; exports DISPLAY (virtual_display.sh)
#   start_window_manager         openbox, waited for until it manages the screen
#   start_program LOG CMD...     CMD in the background with dummy audio; sets program_pid
#   wait_for_window NAME         waits for a visible window named exactly NAME, else fails
#   window_named NAME            prints its id; window_gone NAME waits for it to close
#   window_position / window_geometry NAME    "x y" / "x y width height" on the screen
#   shot FILE; pixel FILE X Y; expect_pixel / expect_pixel_not FILE X Y COLOUR WHAT
#   expect_program_end WHAT LOG  the program ends within five seconds, successfully
#   fail MESSAGE                 prints "e2e: MESSAGE" and exits 1
# Every process started through these is killed when the script exits, newest first.

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
pids=()

fail() { echo "e2e: $*" >&2; exit 1; }

cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}

# Leaks inside system libraries are not the programs' (see lsan.supp); the summary of the
# suppressions used would be a further line on stderr, which some checks count.
# No session bus runs beside our Xvfb, and SDL would ask D-Bus to launch one for each
# program: it forks from SDL's start thread while the windows are built, which the
# sanitizers' allocator does not survive (the child waits for ever on a lock another thread
# held), and a test should not leave bus daemons behind anyway.
e2e_begin() {
  export LSAN_OPTIONS="suppressions=$e2e_dir/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
  mkdir -p "$1"
  cd "$1" || fail "cannot enter $1"
  trap cleanup EXIT
}

source "$e2e_dir/virtual_display.sh"

# openbox, ready once it has announced itself on the root window; a program mapped before
# that would be placed and decorated by no one.
start_window_manager() {
  openbox >openbox.log 2>&1 &
  local wm_pid=$!
  pids+=("$wm_pid")
  for _ in $(seq 100); do
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox ended: $(cat openbox.log)"
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not take the screen: $(cat openbox.log)"
}

# Runs the command in the background, its output and errors in LOG.
start_program() {
  local log=$1
  shift
  SDL_AUDIODRIVER=dummy "$@" >"$log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}

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
# Succeeds once no visible window is named $1, within five seconds.
window_gone() {
  for _ in $(seq 50); do window_named "$1" >/dev/null || return 0; sleep 0.1; done
  return 1
}
# "x y width height" of a window on the screen; nothing when there is no such window.
window_geometry() {
  local numbers
  numbers=$(xdotool getwindowgeometry "$(window_named "$1")" 2>/dev/null |
    sed -n -e 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p' -e 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
    tr '\n' ' ') || true
  echo "${numbers% }"
}
# The "x y" of a window's top-left corner on the screen.
window_position() {
  local geometry
  geometry=$(window_geometry "$1")
  echo "${geometry% * *}"
}

# A screenshot of the whole display.
shot() { import -window root "$1"; }
# The colour of one pixel of a screenshot as ImageMagick names it, such as srgb(0,0,128).
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
expect_pixel() { # shot x y colour what
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $1 is $got, expected $4"
}
expect_pixel_not() { # shot x y colour what: the pixel must not have that colour
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" != "$4" ] || fail "$5: pixel ($2,$3) of $1 is $got"
}

# The program started last ends by itself within five seconds, with status 0.
expect_program_end() { # what-failed log
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program_pid" 2>/dev/null && fail "$1"
  wait "$program_pid" || fail "the program ended with an error: $(cat "$2")"
}
