# Sourced by the Xvfb end-to-end scripts: start_xvfb WORK starts a virtual X server of 1024 x 768 that picks
# a free display number, exports DISPLAY, sets xvfb_pid and waits until xdotool reaches it. The caller
# defines die MESSAGE and ends the server itself. -noreset: without it the server resets whenever its last
# client leaves, and a client that connects meanwhile is refused.
start_xvfb() {
  local work=$1
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb ended: $(cat "$work/xvfb.log")"
    sleep 0.1
  done
  xdotool getmouselocation >/dev/null 2>&1 || die "cannot reach the X server at $DISPLAY"
}
