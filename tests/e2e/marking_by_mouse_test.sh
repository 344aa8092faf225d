#!/usr/bin/env bash
# Marking with the mouse on the real window: a left click fills, a right click marks empty, a
# left drag fills every cell it enters, and one Alt+Backspace takes the whole drag back and puts
# the pointer on the drag's first cell.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

open_blank_five_by_two

cell_centre 1 1
click_at "$PX" "$PY"
cell_centre 2 1
xdotool mousemove "$PX" "$PY" click 3
cell_centre 1 2
xdotool mousemove "$PX" "$PY" mousedown 1
for c in 2 3 4; do
  cell_centre "$c" 2
  xdotool mousemove "$PX" "$PY"
done
xdotool mouseup 1
sleep 0.5
screenshot

colour_of() { cell_centre "$1" "$2"; pixel_at "$PX" "$PY"; }
[[ $(colour_of 1 1) == 000000 ]] || fail "left click did not fill (1, 1)"
[[ $(colour_of 2 1) == FFFFFF ]] || fail "right click did not mark (2, 1) empty"
for c in 1 2 3 4; do
  [[ $(colour_of "$c" 2) == 000000 ]] || fail "the drag did not fill ($c, 2)"
done

# Backspace goes up while Alt is still held: that release is the undo.
xdotool keydown alt key BackSpace keyup alt
sleep 0.5
screenshot
for c in 1 2 3 4; do
  colour=$(colour_of "$c" 2)
  [[ $colour != 000000 && $colour != FFFFFF ]] || fail "undo left ($c, 2) marked: $colour"
done

# The pointer stands on the middle of the drag's first cell (half a cell rounded to even: within
# a pixel).
eval "$(xdotool getmouselocation --shell)"
cell_centre 1 2
((X - PX <= 1 && PX - X <= 1 && Y - PY <= 1 && PY - Y <= 1)) ||
  fail "pointer at ($X, $Y), not on the undone cell ($PX, $PY)"
