#!/usr/bin/env bash
# One history on the real window, and work that survives kill -9: a drag is undone by one
# Alt+Backspace and redone by Ctrl+Y, F2 keeps the history, and after the program is killed the
# next start offers the work back with its marks and what could be redone.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

open_blank_five_by_two

# Near the cell's lower left corner, off the digital cross's digits that the pointer brings.
colour_of() { cell_centre "$1" "$2"; pixel_at $((PX - CELL / 2 + 3)) $((PY + CELL / 2 - 3)); }
marked_row1() {  # the first four cells of row 1: all filled (1) or none marked (0)
  local c colour
  for c in 1 2 3 4; do
    colour=$(colour_of "$c" 1)
    if (($1)); then
      [[ $colour == 000000 ]] || return 1
    else
      [[ $colour != 000000 && $colour != FFFFFF ]] || return 1
    fi
  done
}

cell_centre 1 1
xdotool mousemove "$PX" "$PY" mousedown 1
for c in 2 3 4; do
  cell_centre "$c" 1
  xdotool mousemove "$PX" "$PY"
done
xdotool mouseup 1
wait_screen_until marked_row1 1 || fail "the drag did not fill four cells"
xdotool keydown alt key BackSpace keyup alt
wait_screen_until marked_row1 0 || fail "one Alt+Backspace did not undo the whole drag"
xdotool key ctrl+y
wait_screen_until marked_row1 1 || fail "Ctrl+Y did not redo the drag"
xdotool key F2
jcw_wait_title "Японский кроссворд (blank) - 5x2"
xdotool keydown alt key BackSpace keyup alt
wait_screen_until marked_row1 0 || fail "Alt+Backspace after F2 did not undo"
xdotool key ctrl+shift+z
wait_screen_until marked_row1 1 || fail "Ctrl+Shift+Z did not redo"

# Unsaved work: (1, 2) marked empty, (5, 2) filled and taken back, so that redo has a step.
cell_centre 1 2
xdotool mousemove "$PX" "$PY" click 3
cell_centre 5 2
click_at "$PX" "$PY"
xdotool keydown alt key BackSpace keyup alt
session=$XDG_STATE_HOME/jcw/session-$JCW_PID.jcws
for _ in $(seq 1 45); do
  [[ -s $session ]] && break
  sleep 1
done
[[ -s $session ]] || fail "no session file within half a minute of the change"
kill -9 "$JCW_PID"
wait "$JCW_PID" 2>/dev/null || true
JCW_PID=""
rm -f "$JCW_VIEW_FILE"  # the next program reports its own view

jcw_start
jcw_wait_startup
jcw_wait_box  # the question about the left work, over the start-up window
xdotool windowfocus --sync "$BOX_WID" key Return  # Yes is the default

jcw_wait_window "^Японский кроссворд \(blank\) - 5x2$"
field_layout
xdotool windowfocus --sync "$JCW_WID"
restored() { marked_row1 1 && [[ $(colour_of 1 2) == FFFFFF && $(colour_of 5 2) != 000000 ]]; }
wait_screen_until restored || fail "the restored marks differ"
xdotool key ctrl+y
wait_screen_until eval '[[ $(colour_of 5 2) == 000000 ]]' || fail "redo was not restored"
[[ ! -e $session ]] || fail "the killed program's session is still there"
