#!/usr/bin/env bash
# End to end: the form designer on a real X server (Xvfb), driven through the real pointer and keyboard
# with xdotool. The designer's screenshot probe (VELLUMAR_SCREENSHOT_DIR, F12) grabs the screen and writes
# the controls' state beside each shot; this script checks the state and the pixels where the tab strip
# must show the hot band, the raised selected tab and the focus band, then saves the form with Ctrl+S and
# checks the saved selection.
#
# usage: designer_e2e.sh DESIGNER
#   DESIGNER   the vellumar-designer program
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -euo pipefail

designer=${1:?usage: designer_e2e.sh DESIGNER}
for tool in Xvfb xdotool od; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "designer_e2e: SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumar-e2e.XXXXXX")
xvfb_pid=""
designer_pid=""
keep=0  # keep the shots of a failed run for a look
cleanup() {
  if [ -n "$designer_pid" ]; then kill "$designer_pid" 2>/dev/null || true; wait "$designer_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ "$keep" -eq 0 ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

failures=0
fail() {
  echo "designer_e2e: FAIL: $*"
  failures=$((failures + 1))
}
die() {
  keep=1
  echo "designer_e2e: ERROR: $* (shots and logs kept in $work)"
  [ -f "$work/designer.log" ] && sed 's/^/  designer: /' "$work/designer.log"
  exit 1
}

# [SECTION] The display.
# shellcheck source=xvfb_display.sh
. "$(dirname "$0")/xvfb_display.sh"
start_xvfb "$work"

# [SECTION] The designer on a copy of the demo form.
"$designer" --save-demo "$work/demo.vform" || die "the designer could not write the demo form"
shots="$work/shots"
VELLUMAR_SCREENSHOT_DIR="$shots" "$designer" "$work/demo.vform" >"$work/designer.log" 2>&1 &
designer_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name 'Vellumar-Designer' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$designer_pid" 2>/dev/null || die "the designer ended early"
  sleep 0.1
done
[ -n "$window" ] || die "no designer window appeared"
for _ in $(seq 50); do
  xdotool windowfocus --sync "$window" 2>/dev/null && break
  sleep 0.1
done

# [SECTION] Shots and what they say.
shot_count=0
current=""
# Takes the next shot and waits until it is complete.
shot() {
  local stem
  stem="$shots/shot-$(printf '%03d' "$shot_count")"
  shot_count=$((shot_count + 1))
  xdotool key F12
  for _ in $(seq 100); do
    [ -f "$stem.ppm" ] && break
    sleep 0.1
  done
  [ -f "$stem.ppm" ] || die "shot $stem was not taken"
  current=$stem
}
# field CONTROL NAME: a key=value field of the control's line in the current shot.
field() {
  grep "^control $1 " "$current.txt" | tr ' ' '\n' | sed -n "s/^$2=//p"
}
# color CONTROL NAME: a colour of the control as R,G,B.
color() {
  grep "^colors $1 " "$current.txt" | tr ' ' '\n' | sed -n "s/^$2=//p"
}
# tab CONTROL I: the tab's recorded rectangle, "LEFT TOP RIGHT BOTTOM", screen pixels.
tab() {
  grep "^tab $1 $2 " "$current.txt" | cut -d ' ' -f 4-7
}
# tab_key CONTROL I: the tab's access key.
tab_key() {
  grep "^tab $1 $2 " "$current.txt" | sed -n 's/.* key=//p'
}
# control_rect CONTROL: "X Y W H" of the control on the screen.
control_rect() {
  grep "^control $1 " "$current.txt" | cut -d ' ' -f 3-6
}
# pixel X Y: the colour on the screen in the current shot, as R,G,B.
pixel() {
  local header width offset
  header=$(head -n 3 "$current.ppm" | wc -c)
  width=$(sed -n 2p "$current.ppm" | cut -d ' ' -f 1)
  offset=$((header + ($2 * width + $1) * 3))
  od -An -tu1 -j "$offset" -N 3 "$current.ppm" | awk '{ print $1 "," $2 "," $3 }'
}
expect() {  # expect WHAT ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then fail "$1: got '$2', expected '$3'"; fi
}
# The middle column of a tab.
mid_x() { local r=($1); echo $(((r[0] + r[2]) / 2)); }
# pointer X Y, moving in steps from where it is, as a hand would.
pointer_x=0
pointer_y=0
pointer() {
  local steps=6 i
  for i in $(seq 1 $steps); do
    xdotool mousemove $((pointer_x + ($1 - pointer_x) * i / steps)) $((pointer_y + ($2 - pointer_y) * i / steps))
  done
  pointer_x=$1
  pointer_y=$2
}

# keyed_tab CONTROL NOT [OTHER]: a tab of CONTROL other than tab NOT whose access key is a letter that no
# tab of OTHER carries (a key two controls share goes to either); empty when there is none.
keyed_tab() {
  local taken=""
  [ -n "${3:-}" ] && taken=$(grep "^tab $3 " "$current.txt" | sed -n 's/.* key=//p' | tr -d '\n')
  grep "^tab $1 " "$current.txt" |
    awk -v not="$2" -v taken="$taken" '$3 != not && $8 ~ /^key=[a-z]$/ && index(taken, substr($8, 5)) == 0 { print $3; exit }'
}
# The row of a selected head that carries the focus band's middle line (RegisterFocusColor1).
focus_row() {  # focus_row CONTROL I
  local r
  read -r -a r <<<"$(tab "$1" "$2")"
  if [ "$(field "$1" alignment)" = 1 ]; then echo $((r[3] - 2)); else echo $((r[1] + 1)); fi
}

# [SECTION] Run mode: the controls act as for an end user. A click on tab 1 of the first control sets
# the scene: tab 1 selected, the focus in that control.
xdotool key F5
shot
top=Vellumar1
bottom=Vellumar2
tabs=$(field $top tabs)
[ "${tabs:-0}" -ge 3 ] || die "the demo form's first control needs at least three tabs, it has '${tabs}'"
pointer "$(mid_x "$(tab $top 1)")" $(($(tab $top 1 | cut -d ' ' -f 2) + 8))
xdotool click 1
shot
expect "selected after clicking tab 1" "$(field $top selected)" 1
expect "focus after clicking tab 1" "$(field $top focus)" 1
expect "focus band on the selected tab" "$(pixel "$(mid_x "$(tab $top 1)")" "$(focus_row $top 1)")" "$(color $top focus1)"
read -r cx cy cw ch <<<"$(control_rect $top)"
tab1=$(tab $top 1)
tab2=$(tab $top 2)
tab3=$(tab $top 3)
last=$(tab $top "$tabs")
read -r _ t2_top _ t2_bottom <<<"$tab2"
read -r _ t3_top _ _ <<<"$tab3"
read -r _ last_top last_right _ <<<"$last"

# Onto tab 2: it becomes hot; the band covers its top rows.
pointer "$(mid_x "$tab2")" $(((t2_top + t2_bottom) / 2))
shot
expect "hot tab after moving onto tab 2" "$(field $top hot)" 2
expect "hot band row 0 on tab 2" "$(pixel "$(mid_x "$tab2")" "$t2_top")" "$(color $top band0)"
expect "hot band row 1 on tab 2" "$(pixel "$(mid_x "$tab2")" $((t2_top + 1)))" "$(color $top band1)"
expect "hot band row 2 on tab 2" "$(pixel "$(mid_x "$tab2")" $((t2_top + 2)))" "$(color $top band2)"

# Along the strip past the last tab: the last head crossed stays hot over the empty strip.
if [ $((last_right + 12)) -lt $((cx + cw - 2)) ]; then
  pointer $((last_right + 10)) $((t2_top + 8))
  shot
  expect "hot tab over the empty strip" "$(field $top hot)" "$tabs"
  expect "hot band moved on to the last tab" "$(pixel "$(mid_x "$last")" $((last_top + 1)))" "$(color $top band1)"
  expect "tab 2 without band" "$(pixel "$(mid_x "$tab2")" $((t2_top + 1)))" "$(color $top back)"
else
  echo "designer_e2e: note: no empty strip right of the last tab; that step is left out"
fi

# Into the page: the hot band goes.
pointer $((cx + cw / 2)) $((cy + ch / 2))
shot
expect "no hot tab in the page" "$(field $top hot)" 0
expect "last tab without band in the page" "$(pixel "$(mid_x "$last")" $((last_top + 1)))" "$(color $top back)"

# A click on tab 2 selects it: its head rises to the control's top row with the focus band, tab 1 sinks.
pointer "$(mid_x "$tab2")" $(((t2_top + t2_bottom) / 2))
xdotool click 1
shot
expect "selected after the click" "$(field $top selected)" 2
expect "focus after the click" "$(field $top focus)" 1
expect "raised tab 2 with the focus band (row 0)" "$(pixel "$(mid_x "$tab2")" "$cy")" "$(color $top focus0)"
expect "tab 1 no longer raised (row 0)" "$(pixel "$(mid_x "$tab1")" "$cy")" "$(color $top backform)"

# Onto tab 3, then out of the window: the control sees the move that leaves and clears the hot tab.
pointer "$(mid_x "$tab3")" $((t3_top + 8))
shot
expect "hot tab 3" "$(field $top hot)" 3
expect "hot band on tab 3" "$(pixel "$(mid_x "$tab3")" $((t3_top + 1)))" "$(color $top band1)"
pointer 1010 750
shot
expect "no hot tab outside the window" "$(field $top hot)" 0
expect "tab 3 without band outside the window" "$(pixel "$(mid_x "$tab3")" $((t3_top + 1)))" "$(color $top back)"

# The right arrow selects tab 3.
xdotool key Right
shot
expect "selected after the right arrow" "$(field $top selected)" 3
expect "focus band on tab 3" "$(pixel "$(mid_x "$(tab $top 3)")" "$(focus_row $top 3)")" "$(color $top focus1)"

# Alt and the access key of another tab select it.
keyed=$(keyed_tab $top 3 $bottom)
[ -n "$keyed" ] || die "no tab of $top other than tab 3 has a letter of its own for its access key"
top_key=$(tab_key $top "$keyed")
xdotool key "alt+$top_key"
shot
expect "selected after Alt+$top_key" "$(field $top selected)" "$keyed"

# Alt and an access key of the other control: it takes the focus and selects its tab; the focus band moves.
other=$(keyed_tab $bottom "$(field $bottom selected)" $top)
[ -n "$other" ] || die "no tab of $bottom other than its selected one has a letter of its own for its access key"
bottom_key=$(tab_key $bottom "$other")
xdotool key "alt+$bottom_key"
shot
expect "other control selected after Alt+$bottom_key" "$(field $bottom selected)" "$other"
expect "other control has the focus" "$(field $bottom focus)" 1
expect "first control lost the focus" "$(field $top focus)" 0
expect "focus band on the other control" "$(pixel "$(mid_x "$(tab $bottom "$other")")" "$(focus_row $bottom "$other")")" \
  "$(color $bottom focus1)"
expect "no focus band on the first control" \
  "$(pixel "$(mid_x "$(tab $top "$keyed")")" "$(focus_row $top "$keyed")")" "$(color $top back)"

# [SECTION] Save with Ctrl+S; the shot after it comes only once the save is done.
xdotool key ctrl+s
shot
selections=$(grep -o '"key" *: *"SelectedTab" *, *"type" *: *"int" *, *"value" *: *-\{0,1\}[0-9]*' "$work/demo.vform" |
  sed 's/.*: *//' | tr '\n' ' ')
expect "saved SelectedTab of both controls" "$selections" "$keyed $other "

if [ "$failures" -ne 0 ]; then
  keep=1
  echo "designer_e2e: $failures check(s) failed; shots kept in $shots"
  exit 1
fi
echo "designer_e2e: passed ($shot_count shots)"
