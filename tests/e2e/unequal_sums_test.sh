#!/usr/bin/env bash
# A crossword whose column clues and row clues add up differently opens with the warning first
# and then in the editor, not for solving.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# Two columns, one row, one header line each: row clue 2, column clues 1 and none.
write_jcw "$E2E_TMP/unequal.jcw" 2 1 1 1 200 2 1 200 0 200

jcw_start "$E2E_TMP/unequal.jcw"
jcw_wait_startup
jcw_wait_box  # the warning, before the main window
xdotool windowfocus --sync "$BOX_WID" key Return
jcw_wait_window "режим"
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд (unequal) - режим редактирования - 2x1" ]] ||
  fail "title '$title'"

field_layout
tool_button_centre 11  # SBExit
click_at "$PX" "$PY"
jcw_wait_exit || fail "jcw ended with a failure"
