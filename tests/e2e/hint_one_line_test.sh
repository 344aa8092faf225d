#!/usr/bin/env bash
# The one-line hint on the real window: on a 5 x 2 crossword whose two rows are each "5", F8
# fills the first row alone (today's hint would fill both), says so in a box, and the saved file
# holds exactly that row.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

open_blank_five_by_two
xdotool key F8
box=$(timeout 10 xdotool search --sync --onlyvisible --name "Подсказка" | head -1) ||
  fail "the hint said nothing"
xdotool windowfocus --sync "$box" key Return
sleep 0.5

xdotool windowfocus --sync "$JCW_WID" key F2
for _ in $(seq 1 25); do
  sleep 0.2
  picture=$("$JCWTOOL" info "$E2E_TMP/blank.jcw" | grep -o '"picture":\[[^]]*\]' || true)
  [[ $picture == *'"#####"'* ]] && break
done
[[ $picture == '"picture":["#####","?????"]' ]] ||
  fail "the hint should fill row 1 only, the file holds $picture"
