#!/usr/bin/env bash
# An idle program sleeps: on the SDL backend under Xvfb, a window with no timer makes no
# wake-ups, and one with a timer about one a tick. Counts the voluntary context switches of
# the program's main thread (the event loop) and of all its threads over a few seconds.
# Usage: idle_e2e.sh <idle probe binary> <work dir> [seconds]
set -euo pipefail
probe=$1
work=$2
seconds=${3:-3}
source "$(dirname "$0")/e2e_helpers.sh"
e2e_begin "$work"
start_virtual_display

switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "$1"; }
all_switches() {
  local sum=0 f
  for f in /proc/"$1"/task/*/status; do sum=$((sum + $(switches "$f"))); done
  echo "$sum"
}

# Runs the probe with the given timer interval (0: none) and prints the wake-ups of the
# main thread and of all threads over the measured seconds.
measure() {
  start_program probe.log "$probe" "$1"
  local pid=$program_pid
  sleep 1.5  # mapped, painted, settled
  kill -0 "$pid" 2>/dev/null || fail "the probe ended: $(cat probe.log)"
  local main0 all0 main1 all1
  main0=$(switches /proc/"$pid"/task/"$pid"/status)
  all0=$(all_switches "$pid")
  sleep "$seconds"
  main1=$(switches /proc/"$pid"/task/"$pid"/status)
  all1=$(all_switches "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$((main1 - main0)) $((all1 - all0))"
}

read -r idle_main idle_all < <(measure 0)
echo "e2e: no timer, ${seconds}s: $idle_main wake-ups of the event loop, $idle_all of all threads"
[ "$idle_main" -le 1 ] || fail "with no timer the event loop woke $idle_main times in ${seconds}s"

interval=250
ticks=$((seconds * 1000 / interval))
read -r tick_main tick_all < <(measure "$interval")
echo "e2e: a ${interval} ms timer, ${seconds}s ($ticks ticks): $tick_main wake-ups of the event loop, $tick_all of all threads"
# A loaded machine may run a tick late, never lose half of them.
[ "$tick_main" -ge $((ticks / 2)) ] || fail "the timer woke the loop only $tick_main times for $ticks ticks"
[ "$tick_main" -le $((ticks * 2 + 3)) ] || fail "the loop woke $tick_main times for $ticks ticks"
echo "e2e: idle passed"
