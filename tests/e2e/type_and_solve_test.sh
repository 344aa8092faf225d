#!/usr/bin/env bash
# A crossword made from nothing: a 3 x 3 grid with one header line each asked for in the
# start-up window, its clues typed in the editor, F9, then solved with the mouse. A complete but
# wrong row turns its indicator red; after the undo and the right mark it turns green. The last
# right mark shows the picture alone: black and white cells, no frames, clues or indicators.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# The picture; its clues: columns 1, 2, 2 and rows 2, 2, 1.
solution=("##." ".##" "..#")

jcw_start
jcw_wait_startup
type_dimensions 1 1 3 3
xdotool key Return
jcw_wait_window
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд - режим редактирования - 3x3" ]] || fail "new: title '$title'"
field_layout
xdotool windowfocus --sync "$JCW_WID"

# Left of where a digit is drawn and inside the cursor's sunken edge.
clue_colour() {
  clue_origin "$1" "$2"
  pixel_at $((PX + CELL / 8 + 2)) $((PY + CELL / 2))
}
# Table indices: the column clues are (2..4, 1), the row clues (1, 2..4). Only the cursor's
# cell is not yellow.
cursor_is_at() {
  local cell colour
  for cell in "2 1" "3 1" "4 1" "1 2" "1 3" "1 4"; do
    colour=$(clue_colour "${cell% *}" "${cell#* }")
    if [[ $cell == "$1 $2" ]]; then
      [[ $colour != FFFF00 ]] || return 1
    else
      [[ $colour == FFFF00 ]] || return 1
    fi
  done
}

# Two digits move on by themselves ("01" is the clue 1); Enter moves on after one.
xdotool key 0 1
wait_screen_until cursor_is_at 3 1 || fail "two digits did not move the cursor to (3, 1)"
xdotool key 2 Return 2 Return
# Reading order: after the last column clue comes the first row clue.
wait_screen_until cursor_is_at 1 2 || fail "the cursor did not go from (4, 1) to (1, 2)"
xdotool key 2 Return 2 Return 1 Return
# After the last row clue, round to the first column clue.
wait_screen_until cursor_is_at 2 1 || fail "the cursor did not go from (1, 4) to (2, 1)"

# Field-relative: the picture, the column clues with the indicators above them, the row clues
# with the indicators left of them.
cell_box 2 2
picture_left=$((BOX_LEFT - WIN_X - FIELD_LEFT))
cell_box 4 4
picture_size=$((BOX_RIGHT - WIN_X - FIELD_LEFT - picture_left))
strip_colours() {
  local left=$((WIN_X + FIELD_LEFT)) top=$((WIN_Y + FIELD_TOP))
  case $1 in
    top) area_colours $((left + picture_left)) "$top" "$picture_size" "$picture_left" ;;
    left) area_colours "$left" $((top + picture_left)) "$picture_left" "$picture_size" ;;
    picture) area_colours $((left + picture_left)) $((top + picture_left)) "$picture_size" \
      "$picture_size" ;;
  esac
}
# The field's own background shows in the indicator corner, which no cell covers.
background_pixel() { pixel_at $((WIN_X + FIELD_LEFT + 2)) $((WIN_Y + FIELD_TOP + 2)); }

xdotool key F9
jcw_wait_title "Японский кроссворд - 3x3"
# While solving, the clue cells take the background and show their digits and frames.
solving_headers() {
  background=$(background_pixel)
  [[ $(clue_colour 2 1) == "$background" && $(clue_colour 1 2) == "$background" ]] || return 1
  (($(strip_colours top | wc -l) > 1 && $(strip_colours left | wc -l) > 1)) || return 1
}
wait_screen_until solving_headers || fail "solving: clue cells not plain or without their clues"

mark() {  # COLUMN ROW BUTTON
  cell_centre "$1" "$2"
  xdotool mousemove "$PX" "$PY" click "$3"
}
row_indicator_is() {
  row_indicator_centre "$1"
  [[ $(pixel_at "$PX" "$PY") == "$2" ]]
}
undecided() {
  local colour
  cell_centre "$1" "$2"
  colour=$(pixel_at "$PX" "$PY")
  [[ $colour != 000000 && $colour != FFFFFF ]]
}

# Row 3 complete and wrong: red. The undo takes the wrong mark back; the right one makes it
# green.
mark 2 3 3
mark 3 3 1
mark 1 3 1
wait_screen_until row_indicator_is 3 FF0000 || fail "wrong row 3 is not red"
xdotool keydown alt key BackSpace keyup alt
wait_screen_until undecided 1 3 || fail "the undo left (1, 3) marked"
mark 1 3 3
wait_screen_until row_indicator_is 3 008000 || fail "right row 3 is not green"

# The rest of the picture; the crossword stays in solving mode until its last cell.
remaining=("1 1" "2 1" "3 1" "1 2" "2 2" "3 2")
for ((i = 0; i < ${#remaining[@]}; i++)); do
  if ((i == ${#remaining[@]} - 1)); then
    title=$(xdotool getwindowname "$JCW_WID")
    [[ $title == "Японский кроссворд - 3x3" ]] || fail "before the last cell: title '$title'"
  fi
  read -r c r <<<"${remaining[i]}"
  if [[ ${solution[r - 1]:c - 1:1} == "#" ]]; then mark "$c" "$r" 1; else mark "$c" "$r" 3; fi
done
jcw_wait_title "Японский кроссворд - просмотр"

shows_picture() {
  local r c colour
  for r in 1 2 3; do
    for c in 1 2 3; do
      cell_centre "$c" "$r"
      colour=$(pixel_at "$PX" "$PY")
      case ${solution[r - 1]:c - 1:1} in
        "#") [[ $colour == 000000 ]] || return 1 ;;
        *) [[ $colour == FFFFFF ]] || return 1 ;;
      esac
    done
  done
}
wait_screen_until shows_picture || fail "the view does not show the solved picture"
# Only black and white in the picture: no grey frames between its cells.
colours=$(strip_colours picture | tr '\n' ' ')
[[ $colours == "000000 FFFFFF " ]] || fail "view: the picture holds $colours"
# Clues, their frames and the indicators are gone: the header strips are all background.
background=$(background_pixel)
for strip in top left; do
  colours=$(strip_colours $strip | tr '\n' ' ')
  [[ $colours == "$background " ]] || fail "view: the $strip strip holds $colours"
done
kill -0 "$JCW_PID" || fail "jcw ended"
