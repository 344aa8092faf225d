#!/usr/bin/env bash
# A .non crossword named on the command line opens for solving; Ctrl+P on its field opens the
# print preview with the marks check box, and closing the preview leaves the program running.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
example=$2

jcw_start "$example"
jcw_wait_window
main=$JCW_WID
title=$(xdotool getwindowname "$main")
[[ $title == "Японский кроссворд (duck) - 16x14" ]] || fail "title '$title'"

xdotool windowfocus --sync "$main" key ctrl+p
jcw_wait_window "^(Просмотр печати|Print Preview)"
[[ $JCW_WID != "$main" ]] || fail "no preview window of its own"
# The preview paints the page: white paper with black lines and clues on the grey background.
screenshot
colours=$(area_colours "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H")
grep -qx "FFFFFF" <<<"$colours" || fail "no white paper in the preview"
grep -qx "000000" <<<"$colours" || fail "nothing black on the page"

xdotool windowfocus --sync "$JCW_WID" key Escape
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name "^(Просмотр печати|Print Preview)" >/dev/null || break
  sleep 0.2
done
kill -0 "$JCW_PID" || fail "jcw ended with the preview"
xdotool getwindowname "$main" >/dev/null || fail "the main window went away"
