# Sourced by e2e_helpers.sh: starts Xvfb on a display number of its own and exports DISPLAY.
# Uses the helpers' fail() and pids array, whose processes their cleanup kills.

# Xvfb picks a free number itself and writes it to fd 3 once it listens: a number chosen
# here could be taken by a parallel test's server between the choice and the start, and
# that server would then answer for ours. -noreset: by default the server resets when its
# last client leaves, so the probe below disconnecting would refuse the next client (the
# window manager) for the moment the reset takes.
start_virtual_display() {
  local display xvfb_pid
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>xvfb.display >xvfb.log 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  for _ in $(seq 200); do
    display=$(head -n 1 xvfb.display 2>/dev/null || true)
    if [ -n "$display" ] && DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then
      export DISPLAY=":$display"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "Xvfb did not start: $(cat xvfb.log)"
}
