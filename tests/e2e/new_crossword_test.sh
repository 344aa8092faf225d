#!/usr/bin/env bash
# jcw without arguments, then OK in the start-up window, opens an empty 31 x 24 crossword with 4 and 4 header lines in the
# editor: yellow clue cells, the editor cursor on the top clue cell of the first picture column.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

jcw_start
jcw_wait_startup
xdotool key Return  # OK with the start-up window's defaults
jcw_wait_window
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд - режим редактирования - 31x24" ]] || fail "title '$title'"
field_layout
# The window fits the screen (1280 x 1024 without panels).
((WIN_X >= 0 && WIN_Y >= 0 && WIN_X + WIN_W <= 1280 && WIN_Y + WIN_H <= 1024)) ||
  fail "window ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y} leaves the screen"
screenshot

# A quarter cell into clue cell (x, y) of a picture column: off its frame and its digits.
clue_point() {
  clue_origin "$1" "$2"
  PX=$((PX + CELL / 4)) PY=$((PY + CELL / 4))
}
clue_point 5 1  # the cursor cell: window colour, not yellow
[[ $(pixel_at "$PX" "$PY") != FFFF00 ]] || fail "the editor cursor's cell is yellow"
clue_point 6 1
[[ $(pixel_at "$PX" "$PY") == FFFF00 ]] || fail "a clue cell is not yellow in the editor"
clue_point 5 4
[[ $(pixel_at "$PX" "$PY") == FFFF00 ]] || fail "the bottom clue cell is not yellow"

tool_button_centre 11  # SBExit
click_at "$PX" "$PY"
jcw_wait_exit || fail "jcw ended with a failure"
