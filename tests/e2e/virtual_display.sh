# Sourced by e2e_helpers.sh: starts Xvfb on a display number of its own and exports DISPLAY.
# Uses the helpers' fail() and pids array, whose processes their cleanup kills.

# A display number derived from the process id, skipping ones in use, and moving on when
# another server takes the number first.
start_virtual_display() {
  local display=$((100 + $$ % 800)) started= xvfb_pid
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
}
