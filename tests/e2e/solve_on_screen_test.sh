#!/usr/bin/env bash
# A crossword opened from the command line and solved from the tool window ("Полностью"), after
# the tool window has been dragged by its free margin: every picture cell on the screen shows
# what jcwtool's line solving gives for the same file, filled cells black and empty ones white.
#   solve_on_screen_test.sh JCW JCWTOOL PUZZLE
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
jcwtool=$2
cp "$3" "$E2E_TMP/puzzle.jcw"

# The solved picture and the dimensions from jcwtool's JSON report.
report=$("$jcwtool" solve "$E2E_TMP/puzzle.jcw")
field() { grep -o "\"$1\":[0-9]*" <<<"$report" | cut -d: -f2; }
cols=$(field colCount) rows=$(field rowCount) capcols=$(field capColCount) caprows=$(field capRowCount)
mapfile -t picture < <(grep -o '"picture":\[[^]]*\]' <<<"$report" | grep -o '"[#.?]*"' | tr -d '"')
((${#picture[@]} == rows)) || fail "jcwtool gave ${#picture[@]} picture rows for $rows"

# Returns 0 when every picture cell on the last screenshot shows its solved state.
shows_solution() {
  local r c colour
  for ((r = 0; r < rows; r++)); do
    for ((c = 0; c < cols; c++)); do
      cell_centre $((c + 1)) $((r + 1))
      colour=$(pixel_at "$PX" "$PY")
      case ${picture[r]:c:1} in
        "#") [[ $colour == 000000 ]] || return 1 ;;
        ".") [[ $colour == FFFFFF ]] || return 1 ;;
        *) [[ $colour != 000000 && $colour != FFFFFF ]] || return 1 ;;
      esac
    done
  done
}

jcw_start "$E2E_TMP/puzzle.jcw"
jcw_wait_window
field_layout
screenshot
shows_solution && fail "the picture shows before the solve"

tool_button_centre 8  # SBAuto opens the tool window at its first place, (246, 169)
click_at "$PX" "$PY"
sleep 1
# Drag it by its left margin; a click where "Полностью" was would now land on the field.
dx=300 dy=60
xdotool mousemove $((246 + 6)) $((169 + 150)) mousedown 1
for step in 1 2 3; do
  xdotool mousemove $((246 + 6 + dx * step / 3)) $((169 + 150 + dy * step / 3))
  sleep 0.1
done
xdotool mouseup 1
sleep 0.5
# "Полностью" lies at (39, 108), 199 x 41, in the tool window.
click_at $((246 + dx + 39 + 199 / 2)) $((169 + dy + 108 + 41 / 2))

for _ in $(seq 1 25); do
  sleep 0.2
  screenshot
  shows_solution && exit 0
done
fail "the field does not show the line-solving result"
