#!/usr/bin/env bash
# Through the real AT-SPI bus: starts Xvfb, a session bus and the accessibility bus, shows the demo form in
# vellumar-designer and lets atspi_find_tabs.py find its page tabs by role and name, as a screen reader
# would. Exits 77 (skipped) when Xvfb, the buses or pyatspi are not there or cannot start.
# Usage: atspi_check.sh VELLUMAR_DESIGNER ATSPI_FIND_TABS_PY
set -uo pipefail
designer=$1
finder=$2
skip() { echo "atspi_check: skipped: $*"; exit 77; }

python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
command -v Xvfb >/dev/null || skip "no Xvfb"
command -v dbus-daemon >/dev/null || skip "no dbus-daemon"
[ -x "$launcher" ] || skip "no at-spi-bus-launcher"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi"

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 4>"$work/bus" 5>"$work/bus.pid" \
  || skip "no session bus"
pids+=("$(cat "$work/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
unset AT_SPI_BUS_ADDRESS

"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
enabled=0
for _ in $(seq 50); do
  if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1; then
    enabled=1
    break
  fi
  sleep 0.1
done
[ "$enabled" -eq 1 ] || skip "the accessibility bus did not start"
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null 2>&1

form="$work/demo.vform"
"$designer" --save-demo "$form" || { echo "atspi_check: the designer could not save its demo form"; exit 1; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$designer" "$form" >"$work/designer.log" 2>&1 &
designer_pid=$!
pids+=("$designer_pid")

"$python" "$finder" --pid "$designer_pid" --form "$form" --timeout 60
status=$?
if [ "$status" -ne 0 ]; then
  echo "atspi_check: designer output:"
  cat "$work/designer.log"
fi
exit "$status"
