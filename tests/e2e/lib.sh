# Helpers for end-to-end tests of jcw. Source this file inside an X display (the tests run
# under xvfb-run, without a window manager, so window geometry is the client area's).
#
#   e2e_init JCW                  remember the program, make a scratch directory ($E2E_TMP)
#   write_jcw FILE C R K KR BYTE... a crossword file: dimensions, then the cell bytes
#   jcw_start ARGS...             start jcw in the background ($JCW_PID)
#   open_blank_five_by_two        start jcw on a 5 x 2 crossword, every cell filled in the
#                                 solution and none marked, and focus its laid-out window
#   jcw_wait_startup              wait for the start-up window and give it the focus ($STARTUP_WID)
#   jcw_wait_box                  wait for a message box over the start-up window ($BOX_WID)
#   jcw_wait_window [TITLE]       wait for the main window, or the shown window whose title
#                                 matches the regular expression ($JCW_WID, $WIN_X/Y/W/H)
#   jcw_wait_title TITLE          wait until the main window's title is exactly TITLE
#   type_number N                 replace the whole text of the focused numeric field by N
#   type_dimensions KR K R C      the start-up window's four numbers, from the focused first one
#   field_layout                  the field's view as the program reports it: cell size, where
#                                 the field lies in the window ($CELL, $FIELD_LEFT, $FIELD_TOP,
#                                 $TOOLS_SIDE, $CAP_COLS, $CAP_ROWS, $VIEW)
#   cell_centre C R               screen point of picture cell (C, R), 1-based ($PX, $PY)
#   row_indicator_centre R        screen point of the status indicator of picture row R
#   clue_origin X Y               screen point of the top-left pixel of clue cell (X, Y), table
#                                 indices ($PX, $PY)
#   cell_box X Y                  the shown part of table cell (X, Y) on screen ($BOX_LEFT,
#                                 $BOX_TOP, $BOX_RIGHT, $BOX_BOTTOM exclusive); fails when hidden
# Cells are found through the program's own geometry: jcw reports its view into $JCW_VIEW_FILE
# and `jcwtool view-point` says where a cell of that view shows.
#   screenshot                    the whole screen into $E2E_TMP/screen.png
#   pixel_at X Y                  "RRGGBB" of the last screenshot at (X, Y)
#   wait_screen_until CMD...      take screenshots until CMD succeeds on one (about 5 s at most)
#   area_colours X Y W H          the distinct "RRGGBB" colours of that rectangle of the last
#                                 screenshot, one a line
#   tool_button_centre INDEX      screen point of tool button 0..10 ($PX, $PY)
#   click_at X Y                  a left click there
#   jcw_wait_exit                 wait for jcw to end; fails if it does not
#   fail MESSAGE                  report and stop with a failure

set -euo pipefail

# The tool panel's exact thickness on top and at the left, and its button sizes and indent.
readonly TOOLS_TOP_THICKNESS=37
readonly TOOLS_LEFT_THICKNESS=44
readonly TOOL_BUTTON_WIDTH=43
readonly TOOL_BUTTON_HEIGHT=36
readonly TOOLS_INDENT=10

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_init() {
  JCW=$1
  JCWTOOL=${JCWTOOL:-$(dirname "$JCW")/src/tools/jcwtool}
  E2E_TMP=$(mktemp -d)
  export XDG_CONFIG_HOME=$E2E_TMP/config XDG_DATA_HOME=$E2E_TMP/data
  export XDG_STATE_HOME=$E2E_TMP/state JCW_VIEW_FILE=$E2E_TMP/view
  trap 'e2e_cleanup' EXIT
}

e2e_cleanup() {
  if [[ -n ${JCW_PID:-} ]] && kill -0 "$JCW_PID" 2>/dev/null; then kill "$JCW_PID"; fi
  rm -rf "$E2E_TMP"
}

write_jcw() {
  local file=$1
  shift
  local b out=""
  for b in "$@"; do out+=$(printf '\\x%02x' "$b"); done
  printf "$out" >"$file"
}

jcw_start() {
  "$JCW" "$@" >"$E2E_TMP/jcw.out" 2>"$E2E_TMP/jcw.err" &
  JCW_PID=$!
}

# Table columns left to right, each top to bottom: the header column (corner, then the row clues
# 5 and 5), then every picture column (its clue 2, then its two undecided cells).
open_blank_five_by_two() {
  write_jcw "$E2E_TMP/blank.jcw" 5 2 1 1 200 5 5 $(for _ in 1 2 3 4 5; do echo 2 200 200; done)
  jcw_start "$E2E_TMP/blank.jcw"
  jcw_wait_window
  field_layout
  xdotool windowfocus --sync "$JCW_WID"
}

# The start-up window's title is the application title alone; the main window's always has a
# tail (" - " and the mode).
jcw_wait_startup() {
  STARTUP_WID=$(timeout 20 xdotool search --sync --onlyvisible --name "^Японский кроссворд$" |
    head -1) || fail "no start-up window appeared"
  xdotool windowfocus --sync "$STARTUP_WID"
}

# A box titled as the application too, shown while the start-up window stays (the command-line
# file's clue-sum warning).
jcw_wait_box() {
  local w
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --name "^Японский кроссворд$" || true); do
      if [[ $w != "$STARTUP_WID" ]]; then
        BOX_WID=$w
        return 0
      fi
    done
    sleep 0.2
  done
  fail "no message box appeared"
}

# A window of the program's that is not titled as the application: a file dialog. An empty
# search is normal while the dialog is still opening, so no step here may fail the script.
jcw_wait_dialog() {
  local w
  for _ in $(seq 1 50); do
    for w in $(xdotool search --onlyvisible --name "." || true); do
      [[ $w == "$JCW_WID" ]] && continue
      if [[ $(xdotool getwindowname "$w" 2>/dev/null || true) != Японский* ]]; then
        DIALOG_WID=$w
        return 0
      fi
    done
    sleep 0.2
  done
  fail "$1 showed no dialog"
}

jcw_wait_window() {
  local title=${1:-"^Японский кроссворд.* - "}
  JCW_WID=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -1) ||
    fail "no window titled $title appeared"
  # The window lays itself out and settles after its first show; wait until it stays put.
  local previous="" current
  for _ in $(seq 1 50); do
    current=$(xdotool getwindowgeometry --shell "$JCW_WID")
    [[ $current == "$previous" ]] && break
    previous=$current
    sleep 0.3
  done
  eval "$current"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

jcw_wait_title() {
  local title=""
  for _ in $(seq 1 50); do
    title=$(xdotool getwindowname "$JCW_WID")
    [[ $title == "$1" ]] && return 0
    sleep 0.2
  done
  fail "the title stays '$title', not '$1'"
}

# Home and Shift+End select the text whatever the caret and selection were; the digits then
# replace it (the fields take no Ctrl+A).
type_number() {
  xdotool key Home shift+End
  xdotool type --delay 20 "$1"
}

# The header rows' field has the focus; Tab goes on to header columns, rows, columns.
type_dimensions() {
  type_number "$1"
  local n
  for n in "${@:2}"; do
    xdotool key Tab
    type_number "$n"
  done
}

# The view once it has stayed the same for a moment: the window settles after its first show.
field_layout() {
  local previous="" current=""
  for _ in $(seq 1 50); do
    current=$(cat "$JCW_VIEW_FILE" 2>/dev/null || true)
    [[ -n $current && $current == "$previous" ]] && break
    previous=$current
    sleep 0.2
  done
  [[ -n $current ]] || fail "jcw reported no view"
  read -r -a VIEW <<<"$current"
  FIELD_LEFT=${VIEW[0]} FIELD_TOP=${VIEW[1]} CELL=${VIEW[4]}
  CAP_COLS=${VIEW[9]} CAP_ROWS=${VIEW[10]}
  if ((FIELD_LEFT > 0)); then
    TOOLS_SIDE=left
  elif ((FIELD_TOP > 0)); then
    TOOLS_SIDE=top
  else
    TOOLS_SIDE=none
  fi
}

# The view again after the program changed it (a scroll, a zoom).
view_changed() {
  read -r -a VIEW <"$JCW_VIEW_FILE"
  CELL=${VIEW[4]}
}

cell_box() {
  local where
  where=$("$JCWTOOL" view-point "${VIEW[@]}" "$1" "$2") || return 1
  read -r MIDDLE_X MIDDLE_Y BOX_LEFT BOX_TOP BOX_RIGHT BOX_BOTTOM <<<"$where"
  MIDDLE_X=$((WIN_X + MIDDLE_X)) MIDDLE_Y=$((WIN_Y + MIDDLE_Y))
  BOX_LEFT=$((WIN_X + BOX_LEFT)) BOX_TOP=$((WIN_Y + BOX_TOP))
  BOX_RIGHT=$((WIN_X + BOX_RIGHT)) BOX_BOTTOM=$((WIN_Y + BOX_BOTTOM))
}

cell_centre() {
  cell_box $((CAP_COLS + $1)) $((CAP_ROWS + $2)) || fail "picture cell ($1, $2) does not show"
  PX=$MIDDLE_X PY=$MIDDLE_Y
}

row_indicator_centre() {
  cell_box 0 $((CAP_ROWS + $1)) || fail "the indicator of row $1 does not show"
  PX=$MIDDLE_X PY=$MIDDLE_Y
}

clue_origin() {
  cell_box "$1" "$2" || fail "clue cell ($1, $2) does not show"
  PX=$BOX_LEFT PY=$BOX_TOP
}

tool_button_centre() {
  if [[ $TOOLS_SIDE == left ]]; then
    PX=$((WIN_X + TOOL_BUTTON_WIDTH / 2))
    PY=$((WIN_Y + TOOLS_INDENT + $1 * TOOL_BUTTON_HEIGHT + TOOL_BUTTON_HEIGHT / 2))
  else
    PX=$((WIN_X + TOOLS_INDENT + $1 * TOOL_BUTTON_WIDTH + TOOL_BUTTON_WIDTH / 2))
    PY=$((WIN_Y + TOOL_BUTTON_HEIGHT / 2))
  fi
}

# The screen is kept as raw RGB bytes so that reading a pixel is a seek, not an image decode.
screenshot() {
  import -window root "$E2E_TMP/screen.png"
  SCREEN_W=$(identify -format %w "$E2E_TMP/screen.png")
  convert "$E2E_TMP/screen.png" -depth 8 "rgb:$E2E_TMP/screen.rgb"
}

pixel_at() {
  od -An -tx1 -j $((($2 * SCREEN_W + $1) * 3)) -N3 "$E2E_TMP/screen.rgb" | tr -d ' \n' |
    tr a-f A-F
}

# Painting follows the input asynchronously; a command that reads the screen retries on a new
# screenshot rather than after a fixed pause.
wait_screen_until() {
  for _ in $(seq 1 25); do
    screenshot
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

area_colours() {
  convert "$E2E_TMP/screen.png" -crop "$3x$4+$1+$2" +repage -unique-colors -depth 8 txt:- |
    grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' | tr a-f A-F | sort -u
}

click_at() { xdotool mousemove "$1" "$2" click 1; }

jcw_wait_exit() {
  local status=0
  for _ in $(seq 1 50); do
    kill -0 "$JCW_PID" 2>/dev/null || {
      wait "$JCW_PID" || status=$?
      JCW_PID=""
      return "$status"
    }
    sleep 0.2
  done
  fail "jcw did not end"
}
