#!/usr/bin/env bash
# A crossword typed line by line: Insert opens the line entry, each line's numbers end with
# Enter, the columns first, then the rows; F2 saves it. Ctrl+C copies its lists; a new crossword
# of another size takes them by Ctrl+V as a crossword of their own, saved too. jcwtool reads
# the same clues from both files.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# The picture #.# / ### / .#. / .#. : columns 2, 3, 2 and rows 1 1, 3, 1, 1.
expected='"rowClues":[[1,1],[3],[1],[1]],"colClues":[[2],[3],[2]]'

save_as() {  # file name without extension
  xdotool key F2
  jcw_wait_dialog F2
  xdotool windowfocus --sync "$DIALOG_WID"
  sleep 0.5
  xdotool type --delay 20 "$1"
  xdotool key Return
  for _ in $(seq 1 50); do [[ -s $1.jcw ]] && break; sleep 0.2; done
  [[ -s $1.jcw ]] || fail "nothing was saved to $1.jcw"
}

clues_of() {
  "$JCWTOOL" info "$1" | grep -o '"rowClues":.*,"colClues":[^a-z]*\]\]'
}

jcw_start
jcw_wait_startup
type_dimensions 2 2 4 3
xdotool key Return
jcw_wait_window
xdotool windowfocus --sync "$JCW_WID"
xdotool key Insert
sleep 0.5
for line in 2 "3" "2" "1,1" "3" "1" "1"; do
  xdotool type --delay 20 "$line"
  xdotool key Return
done
xdotool key Escape
save_as "$E2E_TMP/typed"
[[ $(clues_of "$E2E_TMP/typed.jcw") == "$expected" ]] ||
  fail "typed clues: $(clues_of "$E2E_TMP/typed.jcw")"

xdotool key ctrl+c ctrl+n
jcw_wait_startup
type_dimensions 1 1 5 5
xdotool key Return
jcw_wait_window
xdotool windowfocus --sync "$JCW_WID"
xdotool key ctrl+v
jcw_wait_box  # what was read, and the question
xdotool windowfocus --sync "$BOX_WID" key Return
jcw_wait_title "Японский кроссворд - режим редактирования - 3x4"
xdotool windowfocus --sync "$JCW_WID"
save_as "$E2E_TMP/pasted"
[[ $(clues_of "$E2E_TMP/pasted.jcw") == "$expected" ]] ||
  fail "pasted clues: $(clues_of "$E2E_TMP/pasted.jcw")"
