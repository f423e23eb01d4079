#!/usr/bin/env bash
# End to end in the real Qt Designer on a virtual X server (Xvfb): the Vellumar plugin loads without a
# warning, a form with a VellumarTabWidget of three pages opens and shows the current page (each page
# holds a frame of its own colour, found on the screen); Designer treats the widget as the QTabWidget it is:
# a click on a tab shows that tab's page, the control's own property sheet from the context menu puts the
# tabs at the bottom, Designer's own "Insert Page After Current Page" adds a page as an undoable command,
# and the form saved with Ctrl+S holds the new page, titled, as the current one, and the tabs' position.
#
# usage: qt_designer_e2e.sh DESIGNER PLUGIN_DIR SCREEN_PROBE FORM
#   DESIGNER      Qt 6's designer program
#   PLUGIN_DIR    a folder whose designer/ subfolder holds the Vellumar plugin
#   SCREEN_PROBE  the screen_probe program (counts a colour on the screen)
#   FORM          the form to open (a copy is edited)
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or designer).
set -euo pipefail

designer=${1:?usage: qt_designer_e2e.sh DESIGNER PLUGIN_DIR SCREEN_PROBE FORM}
plugin_dir=${2:?}
probe=${3:?}
form_source=${4:?}
for tool in Xvfb xdotool "$designer"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "qt_designer_e2e: SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumar-qt-designer.XXXXXX")
xvfb_pid=""
designer_pid=""
keep=0
cleanup() {
  if [ -n "$designer_pid" ]; then kill "$designer_pid" 2>/dev/null || true; wait "$designer_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ "$keep" -eq 0 ]; then rm -rf "$work"; fi
}
trap cleanup EXIT
die() {
  keep=1
  echo "qt_designer_e2e: FAIL: $* (logs kept in $work)"
  [ -f "$work/designer.log" ] && sed 's/^/  designer: /' "$work/designer.log"
  exit 1
}

# shellcheck source=xvfb_display.sh
. "$(dirname "$0")/xvfb_display.sh"
start_xvfb "$work"

# [SECTION] Designer with fresh settings, the plugin folder and a copy of the form.
form="$work/pages.ui"
cp "$form_source" "$form"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_PLUGIN_PATH="$plugin_dir" "$designer" "$form" >"$work/designer.log" 2>&1 &
designer_pid=$!

# colour RRGGBB: "COUNT [LEFT TOP RIGHT BOTTOM]" of the colour on the screen.
colour() { "$probe" "$1" 2>>"$work/probe.log"; }
# wait_for WHAT COMMAND...: polls the command for up to 20 seconds.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 200); do
    "$@" && return 0
    kill -0 "$designer_pid" 2>/dev/null || die "Designer ended while waiting for $what"
    sleep 0.1
  done
  die "$what did not happen"
}
shows() { [ "$(colour "$1" | cut -d ' ' -f 1)" -gt 0 ]; }
hides() { [ "$(colour "$1" | cut -d ' ' -f 1)" -eq 0 ]; }

# [SECTION] The form shows its current page, and only that one.
wait_for "the current page (green) on the screen" shows 00a000
hides c00000 || die "the first page (red) shows beside the current one"
hides 0000c0 || die "the third page (blue) shows beside the current one"

# [SECTION] The plugin loaded without a word: the log holds nothing but the display's notes.
if grep -v -e '^$' "$work/designer.log" | grep -q .; then
  die "Designer printed warnings: $(cat "$work/designer.log")"
fi

# context_menu: opens the tab widget's context menu on the current page's empty part, below the first page's
# frame.
context_menu() {
  xdotool mousemove $(((left + right) / 2)) $((bottom + 60))
  sleep 0.3
  xdotool click 3
  sleep 0.7
}
window=$(xdotool search --onlyvisible --name 'Qt Designer' | head -n 1)
[ -n "$window" ] || die "no Qt Designer window"

# [SECTION] A click on the first tab, which sits above the left end of the page's frame, shows its page.
read -r _ left top right bottom <<<"$(colour 00a000)"
xdotool mousemove $((left + 20)) $((top - 23))
sleep 0.3
xdotool click 1
wait_for "the first page (red) after a click on its tab" shows c00000
hides 00a000 || die "the second page (green) still shows beside the first"

# [SECTION] The control's property sheet: Eigenschaften…, then on Allgemein the second field,
# Tab-Ausrichtung, one down to "1 - Unten", and OK. The tabs go to the bottom and the page moves up.
frame_top_above() { [ "$(colour c00000 | cut -d ' ' -f 3)" -lt "$1" ]; }
top=$(colour c00000 | cut -d ' ' -f 3)
context_menu
xdotool key Down Return
sleep 1.5
xdotool key ctrl+Tab
sleep 0.3
xdotool key Tab Tab Down Return
wait_for "the page above the tabs" frame_top_above "$top"
read -r _ left _ right bottom <<<"$(colour c00000)"
xdotool windowfocus --sync "$window"

# [SECTION] Insert Page After Current Page: Eigenschaften…, the change entries, Size Constraints, Promoted
# widgets, Page 1 of 3, then Insert Page and its first entry. Undo and redo come from Designer.
context_menu
xdotool key Down Down Down Down Down Down Down Down Down Right
sleep 0.5
xdotool key Return
wait_for "the new, empty page to replace the current one" hides c00000
xdotool windowfocus --sync "$window"
# Undo takes the new page away, and with it the current page; one of the old pages shows again.
old_page_shows() { shows c00000 || shows 00a000; }
new_page_shows() { hides c00000 && hides 00a000; }
xdotool key ctrl+z
wait_for "an old page back (undo)" old_page_shows
xdotool key ctrl+shift+z
wait_for "the new page again (redo)" new_page_shows

# [SECTION] Save, and read the pages back from the file.
before=$(stat -c %Y.%s "$form")
xdotool key ctrl+s
saved() { [ "$(stat -c %Y.%s "$form")" != "$before" ]; }
wait_for "the saved form" saved
titles=$(grep -A1 '<attribute name="title">' "$form" | sed -n 's/.*<string>\(.*\)<\/string>.*/\1/p' | tr '\n' '|')
expected='&amp;Kunden|Page|&amp;Rechnungen|&amp;Notizen|'
[ "$titles" = "$expected" ] || die "saved page titles '$titles', expected '$expected'"
grep -A1 '<property name="currentIndex">' "$form" | grep -q '<number>1</number>' ||
  die "the new page is not saved as the current one"
grep -q '<extends>QTabWidget</extends>' "$form" || die "the form does not declare the widget a QTabWidget"
grep -q '<enum>QTabWidget::South</enum>' "$form" || die "the tab position from the property sheet is not saved"
echo "qt_designer_e2e: passed"
