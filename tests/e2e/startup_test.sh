#!/usr/bin/env bash
# The program's start: a crossword file named on the command line opens in the main window at
# once; without one the start-up window comes, Enter makes a new crossword of its defaults, and
# F2 after a change saves it through the save dialog as 984 bytes. Closing stores the options.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# A file argument: the ten-byte crossword (2 x 1, clues agree) opens in the solving mode.
write_jcw "$E2E_TMP/cat.jcw" 2 1 1 1 200 2 1 201 1 201
jcw_start "$E2E_TMP/cat.jcw"
jcw_wait_window
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд (cat) - 2x1" ]] || fail "file argument: title '$title'"
[[ -z $(xdotool search --onlyvisible --name "^Японский кроссворд$" || true) ]] ||
  fail "the start-up window stays visible beside the main window"
kill "$JCW_PID"
wait "$JCW_PID" || true
JCW_PID=""

# No argument: the start-up window, then OK by Enter.
jcw_start
jcw_wait_startup
xdotool key Return
jcw_wait_window
title=$(xdotool getwindowname "$JCW_WID")
[[ $title == "Японский кроссворд - режим редактирования - 31x24" ]] || fail "new: title '$title'"

# A clue typed into the cursor's cell makes a change for Save; F2 then asks for a name.
xdotool windowfocus --sync "$JCW_WID"
xdotool key 3 F2
jcw_wait_dialog F2
xdotool windowfocus --sync "$DIALOG_WID"
sleep 0.5
# The dialog's name box has the focus; a name without extension gets ".jcw".
xdotool type --delay 20 "$E2E_TMP/new"
xdotool key Return

saved=$E2E_TMP/new.jcw
for _ in $(seq 1 50); do [[ -s $saved ]] && break; sleep 0.2; done
[[ -s $saved ]] || fail "nothing was saved to $saved"
size=$(stat -c %s "$saved")
((size == 984)) || fail "saved $size bytes, not 984"
bytes=($(od -An -tu1 -v "$saved"))
[[ "${bytes[*]:0:4}" == "31 24 4 4" ]] || fail "dimension bytes ${bytes[*]:0:4}"
# Cell (5, 1), the first column clue cell, is at 4 + 4 * 28.
((bytes[116] == 3)) || fail "the typed clue is stored as ${bytes[116]}"
zeros=0 blanks=0
for b in "${bytes[@]:4}"; do
  ((b == 0)) && zeros=$((zeros + 1))
  ((b == 200)) && blanks=$((blanks + 1))
done
# 4 x 24 row clue cells and 31 x 4 column clue cells but the typed one; 16 corner cells and
# 31 x 24 picture cells.
((zeros == 219 && blanks == 760)) || fail "$zeros empty clues and $blanks blank cells"

title=""
for _ in $(seq 1 25); do
  title=$(xdotool getwindowname "$JCW_WID")
  [[ $title == *"(new)"* ]] && break
  sleep 0.2
done
[[ $title == "Японский кроссворд (new) - режим редактирования - 31x24" ]] ||
  fail "after the save: title '$title'"

# Saved, so the exit button ends the program without a question; the options are stored.
field_layout
tool_button_centre 11  # SBExit
click_at "$PX" "$PY"
jcw_wait_exit || fail "jcw ended with a failure"
registry=$XDG_CONFIG_HOME/jcw/HKEY_CURRENT_USER.reg
grep -q '"Maximize"=dword:00000001' "$registry" || fail "the options were not stored"
grep -qF "\"LastCatalog\"=\"$E2E_TMP\"" "$registry" || fail "LastCatalog was not stored"
