#!/usr/bin/env bash
# A half-solved crossword opened from the command line shows its marks: filled cells black,
# cells marked empty white, undecided ones neither; a right row's indicator green, a wrong
# one's red. The exit button then ends the program (nothing to save: no question).
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

solution=("##..###" "#.#.#.." ".###..." "#######" "..#..#." "##.##.#")
marks=(   "##..###" "#.#.?.." ".###..." "###????" "..#...." "??.##.#")
cols=7 rows=6 capcols=3 caprows=3

runs() {  # block lengths of a line of '#' and '.'
  local line=$1 n=0 out=() i
  for ((i = 0; i < ${#line}; i++)); do
    if [[ ${line:i:1} == "#" ]]; then n=$((n + 1)); elif ((n)); then out+=("$n"); n=0; fi
  done
  ((n)) && out+=("$n")
  echo "${out[@]}"
}
column_of() { local c=$1 r line=""; for r in "${solution[@]}"; do line+=${r:c:1}; done; echo "$line"; }
padded() {  # clues right-aligned in `width` header cells, 0 for none
  local width=$1; shift
  local clues=("$@") i
  for ((i = 0; i < width - ${#clues[@]}; i++)); do echo 0; done
  for i in "${clues[@]}"; do echo "$i"; done
}
state_byte() { case $1 in "#") echo 201 ;; ".") echo 202 ;; *) echo 200 ;; esac; }

bytes=("$cols" "$rows" "$capcols" "$caprows")
# Columns of the table left to right, each top to bottom.
for ((x = 1; x <= capcols; x++)); do
  for ((y = 1; y <= caprows; y++)); do bytes+=(200); done  # the corner block
  for ((r = 0; r < rows; r++)); do
    mapfile -t clues < <(padded "$capcols" $(runs "${solution[r]}"))
    bytes+=("${clues[x - 1]}")
  done
done
for ((c = 0; c < cols; c++)); do
  mapfile -t clues < <(padded "$caprows" $(runs "$(column_of "$c")"))
  bytes+=("${clues[@]}")
  for ((r = 0; r < rows; r++)); do bytes+=("$(state_byte "${marks[r]:c:1}")"); done
done
write_jcw "$E2E_TMP/half.jcw" "${bytes[@]}"

jcw_start "$E2E_TMP/half.jcw"
jcw_wait_window
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд (half) - 7x6" ]] || fail "title '$title'"
field_layout
screenshot

for ((r = 0; r < rows; r++)); do
  for ((c = 0; c < cols; c++)); do
    cell_centre $((c + 1)) $((r + 1))
    colour=$(pixel_at "$PX" "$PY")
    case ${marks[r]:c:1} in
      "#") [[ $colour == 000000 ]] || fail "filled cell ($((c + 1)), $((r + 1))) shows $colour" ;;
      ".") [[ $colour == FFFFFF ]] || fail "empty cell ($((c + 1)), $((r + 1))) shows $colour" ;;
      *) [[ $colour != 000000 && $colour != FFFFFF ]] ||
        fail "undecided cell ($((c + 1)), $((r + 1))) shows $colour" ;;
    esac
  done
done

row_indicator_centre 1
[[ $(pixel_at "$PX" "$PY") == 008000 ]] || fail "right row 1 is not green"
row_indicator_centre 5
[[ $(pixel_at "$PX" "$PY") == FF0000 ]] || fail "wrong row 5 is not red"
row_indicator_centre 4
colour=$(pixel_at "$PX" "$PY")
[[ $colour != 008000 && $colour != FF0000 ]] || fail "incomplete row 4 shows $colour"

tool_button_centre 11  # SBExit
click_at "$PX" "$PY"
jcw_wait_exit || fail "jcw ended with a failure"
