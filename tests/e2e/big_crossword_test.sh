#!/usr/bin/env bash
# A 100 x 100 crossword with 34-deep clue lists on a 1024 x 768 screen: it opens at readable
# cells with the window on screen and the field scrolling; Ctrl+wheel over a picture cell zooms
# in and keeps that cell under the pointer; the cell is marked, the view scrolled to the
# bottom-right corner, the last cell marked, and the saved file holds both marks.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
JCWTOOL=$2

# Cell (c, r) is filled when c + r is a multiple of 3: every line's clue is a run of ones.
ones() {
  local n=$1 first=$2 line="" c
  for ((c = 1; c <= n; c++)); do
    if (((c + first) % 3 == 0)); then line+="${line:+,}1"; fi
  done
  echo "$line"
}
{
  echo "width 100"
  echo "height 100"
  echo "rows"
  for ((r = 1; r <= 100; r++)); do ones 100 "$r"; done
  echo "columns"
  for ((c = 1; c <= 100; c++)); do ones 100 "$c"; done
} >"$E2E_TMP/big.non"
"$JCWTOOL" convert "$E2E_TMP/big.non" "$E2E_TMP/big.jcw"

jcw_start "$E2E_TMP/big.jcw"
jcw_wait_window
field_layout
((WIN_X >= 0 && WIN_Y >= 0 && WIN_X + WIN_W <= 1024 && WIN_Y + WIN_H <= 768)) ||
  fail "window ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y} leaves the screen"
((CELL >= 12)) || fail "opened at ${CELL}-pixel cells, below the readable minimum"
cell_box $((CAP_COLS + 100)) $((CAP_ROWS + 100)) && fail "the whole field shows: nothing scrolls"
xdotool windowfocus --sync "$JCW_WID"

# Zoom in twice over picture cell (20, 20), well inside the picture pane.
cell_centre 20 20
xdotool mousemove "$PX" "$PY"
before=$CELL
xdotool keydown ctrl click 4 click 4 keyup ctrl
sleep 1
view_changed
((CELL > before)) || fail "Ctrl+wheel left the cells at $CELL pixels"
cell_box $((CAP_COLS + 20)) $((CAP_ROWS + 20)) || fail "the zoomed cell left the view"
eval "$(xdotool getmouselocation --shell)"
((X >= BOX_LEFT - 1 && X <= BOX_RIGHT && Y >= BOX_TOP - 1 && Y <= BOX_BOTTOM)) ||
  fail "after the zoom the pointer ($X, $Y) is not over cell (20, 20)"
xdotool click 1

# The wheel scrolls down, Shift with the wheel across, far enough for the last cell.
xdotool click --repeat 40 --delay 10 5
xdotool keydown shift click --repeat 40 --delay 10 5 keyup shift
sleep 1
view_changed
cell_centre 100 100
click_at "$PX" "$PY"
sleep 0.3
xdotool key F2
sleep 1

picture=$("$JCWTOOL" info "$E2E_TMP/big.jcw" | python3 -c '
import json, sys
rows = json.load(sys.stdin)["picture"]
print(rows[19][19] + rows[99][99] + str(sum(r.count("#") for r in rows)))')
[[ $picture == "##2" ]] || fail "the saved picture holds '$picture', not the two marks"
