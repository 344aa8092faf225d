#!/usr/bin/env bash
# Picture mode end to end: on a blank 4 x 4 crossword, F11 starts drawing; two diagonal cells make
# a picture with two solutions, and the field hatches where they differ; F10 lists the fixes and
# the first one, taken with the keyboard, leaves one solution: no hatch or dot stays, and the
# clues saved (without the picture) have one solution by jcwtool's count.
#   picture_mode_test.sh JCW JCWTOOL
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
jcwtool=$2

# One header column and row, every clue empty, every picture cell undecided.
write_jcw "$E2E_TMP/blank.jcw" 4 4 1 1 200 0 0 0 0 $(for _ in 1 2 3 4; do echo 0 200 200 200 200; done)
jcw_start "$E2E_TMP/blank.jcw"
jcw_wait_window
field_layout
xdotool windowfocus --sync "$JCW_WID"
xdotool key F11
jcw_wait_window "рисование"

# A left click on picture cell (C, R); the headers may grow after it, so the layout is read anew.
draw_cell() {
  jcw_wait_window "рисование"
  field_layout
  cell_centre "$1" "$2"
  xdotool mousemove "$PX" "$PY" click 1
  sleep 0.5
}
draw_cell 2 2
draw_cell 3 3

# The magenta of the hatch (and of the dots) inside the picture.
picture_has_magenta() {
  jcw_wait_window "рисование"
  field_layout
  cell_box $((CAP_COLS + 1)) $((CAP_ROWS + 1)) || return 1
  local left=$BOX_LEFT top=$BOX_TOP
  cell_box $((CAP_COLS + 4)) $((CAP_ROWS + 4)) || return 1
  area_colours "$left" "$top" $((BOX_RIGHT - left)) $((BOX_BOTTOM - top)) | grep -qx FF00FF
}
hatched_cell_is_magenta() {
  cell_box $((CAP_COLS + 3)) $((CAP_ROWS + 2)) || return 1
  area_colours "$BOX_LEFT" "$BOX_TOP" $((BOX_RIGHT - BOX_LEFT)) $((BOX_BOTTOM - BOX_TOP)) |
    grep -qx FF00FF
}
wait_screen_until hatched_cell_is_magenta || fail "the cells where two pictures differ are not hatched"

# The fixes' menu opens at the pointer once they are known; Down and Return take the first.
xdotool key F10
sleep 1.5
xdotool key Down Return
sleep 1
picture_is_plain() { ! picture_has_magenta; }
wait_screen_until picture_is_plain || fail "the hatch or the dots stay after the first fix"

# F2 saves; the question whether the picture goes too is answered with its default, no.
xdotool key F2
sleep 1
xdotool key Return
sleep 1
count=$("$jcwtool" count "$E2E_TMP/blank.jcw")
[[ $count == *'"solutions":1'* ]] || fail "the saved clues have no single solution: $count"
[[ $("$jcwtool" info "$E2E_TMP/blank.jcw") == *'"markedCount":0'* ]] || fail "the picture was saved"
echo "ok"
