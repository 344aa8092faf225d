#!/usr/bin/env bash
# Keys under the Russian keyboard layout do what they do under the Latin one: О is OK in the
# start-up window; in the editor Shift with a digit (Shift+3 types №) enters the digit as the
# digit itself does; while solving, M's key (Ь) opens the main menu. xdotool presses each key
# with the group of its keysym locked, so Cyrillic keysyms reach jcw as the Russian layout's.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

jcw_start
jcw_wait_startup
# The server forgets a layout set while no client is connected: set it once jcw is there.
setxkbmap -layout us,ru
[[ $(setxkbmap -query) == *"layout:     us,ru"* ]] || fail "the Russian layout could not be set"

# One header line each over a 3 x 3 picture; О (Cyrillic) is OK.
type_dimensions 1 1 3 3
xdotool key Cyrillic_o
jcw_wait_window
field_layout
xdotool windowfocus --sync "$JCW_WID"

# Shift+3 under the Russian layout into the first column clue, the digit 3 into the second; Enter
# moves on after each. Both cells then show the same clue on the same yellow.
xdotool key numerosign Return 3 Return
clue_crop() {
  clue_origin "$1" 1
  convert "$E2E_TMP/screen.png" -crop "$((CELL - 2))x$((CELL - 2))+$((PX + 1))+$((PY + 1))" \
    +repage "$E2E_TMP/clue$1.png"
}
same_clues() {
  clue_crop 2
  clue_crop 3
  # The third cell holds more than its yellow: the digit typed as such.
  (($(convert "$E2E_TMP/clue3.png" -unique-colors txt:- | grep -c '#') > 1)) || return 1
  [[ $(compare -metric AE "$E2E_TMP/clue2.png" "$E2E_TMP/clue3.png" null: 2>&1) == 0 ]]
}
wait_screen_until same_clues || fail "Shift+3 under the Russian layout did not enter the clue 3"

# Column clues 3 3 3 and row clues 3 3 3: the sums agree, F9 starts solving.
xdotool key 3 Return 3 Return 3 Return 3 Return
xdotool key F9
jcw_wait_title "Японский кроссворд - 3x3"

# The windows jcw shows besides the main window: a menu while one is open.
menus() { xdotool search --onlyvisible --pid "$JCW_PID" 2>/dev/null | grep -cvx "$JCW_WID" || true; }
before=$(menus)
xdotool key Cyrillic_softsign
for _ in $(seq 1 25); do
  (($(menus) > before)) && break
  sleep 0.2
done
(($(menus) > before)) || fail "Ь (M's key under the Russian layout) did not open the menu"
xdotool key Escape
for _ in $(seq 1 25); do
  (($(menus) == before)) && break
  sleep 0.2
done
(($(menus) == before)) || fail "Escape did not close the menu"
kill -0 "$JCW_PID" || fail "jcw ended"
