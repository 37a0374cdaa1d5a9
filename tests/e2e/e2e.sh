#!/bin/bash
# End-to-end test: starts the real Tramvelt.exe under Wine and drives it from
# outside with X mouse and keyboard events (xdotool), reading the screen with
# ImageMagick and the registry with `wine reg query`.
#
# It runs on a virtual display of its own (other Wine tests move the pointer
# and show windows on the shared one) and in a Wine prefix of its own,
# BUILD/e2e-prefix, so it needs no lock on the shared test prefix and may
# stop that prefix's wine server.
# Screenshots and a log go to BUILD/e2e/.
# Usage: e2e.sh TRAMVELT_EXE BUILD_DIR
set -u

here=$(cd "$(dirname "$0")" && pwd)
tools=$(cd "$here/../../tools" && pwd)

if [ $# -ne 2 ]; then
  echo "usage: $0 TRAMVELT_EXE BUILD_DIR" >&2
  exit 2
fi
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
build=$(cd "$2" && pwd)
# One run at a time per build tree (runs share the prefix and BUILD/e2e); the
# lock is held by flock itself, not by the Wine processes started here.
if [ -z "${TRAMVELT_E2E_LOCKED:-}" ]; then
  export TRAMVELT_E2E_LOCKED=1
  flock -o -w 200 -E 75 "$build/e2e.lock" "$0" "$@"
  rc=$?
  [ $rc -eq 75 ] && echo "e2e: another run held $build/e2e.lock for 200 s" >&2
  exit $rc
fi
out=$build/e2e
mkdir -p "$out"
rm -f "$out"/*.png "$out/e2e.log" "$out/wine.log" "$out/display"
export WINEPREFIX=$build/e2e-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
key='HKCU\Software\Microsoft\Shared Tools\Outlook\Journaling'

# Layout of the main window's client area.
CLIENT_W=338 CLIENT_H=305
LIST_X=2 LIST_Y=139            # the list's client area (inside its 2-px edge)
LIST_W=334 ROW_H=16 ROWS_SHOWN=8
APPLY_X=191 APPLY_Y=291        # "Übernehmen"
CLOSE_X=292 CLOSE_Y=291        # "Schließen"
PICTURE_X=304 PICTURE_Y=108    # the meatball
PARK_X=60 PARK_Y=20            # over the text, where no hint pops up
INFO_W=462 INFO_H=468
DBLCLICK_GAP_MS=800            # more than Wine's double-click time (500 ms)

# Registry entries as seeded, in the order the registry enumerates them
# (sorted case-insensitively). Their lengths differ by 4 so that text widths
# on the screen tell the rows apart.
NAMES=("Access 2003" "bin" "Clip Organizer 2010" "diagram" "Excel mit Tabellen 2010" "word mit Makros")
SEED=("REG_DWORD:1" "REG_DWORD:0" "REG_DWORD:2" "none" "REG_SZ:1" "REG_DWORD:1")
N=${#NAMES[@]}
# Rows on the screen: the reverse of the enumeration order.
ROW_NAMES=()
for ((i = N - 1; i >= 0; i--)); do ROW_NAMES+=("${NAMES[i]}"); done

start_time=$(date +%s%N)
shot=$out/current.png
app_pid=""

log() { printf '[%5.1fs] %s\n' "$(echo "($(date +%s%N) - $start_time) / 1000000000" | bc -l)" "$*" | tee -a "$out/e2e.log"; }

xvfb_pid=""
cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null; fi
  wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Prints what was expected and seen, saves the screen and stops.
fail() {
  local name
  name=$out/fail-$(date +%H%M%S).png
  import -window root "$name" 2>/dev/null
  log "FAIL: $1"
  [ $# -ge 2 ] && log "  expected: $2"
  [ $# -ge 3 ] && log "  seen:     $3"
  log "  screenshot: $name"
  if [ -n "$app_pid" ]; then
    kill -0 "$app_pid" 2>/dev/null && log "  program: running" || log "  program: ended"
  fi
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    log "  window $id '$(xdotool getwindowname "$id" 2>/dev/null)' $(xdotool getwindowgeometry "$id" 2>/dev/null | tr -s ' \n' ' ')"
  done
  exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# ---- screen ----------------------------------------------------------------

grab() { import -window root -depth 8 "$shot" 2>/dev/null; }
# Keeps the screen as NAME.png.
snap() { import -window root "$out/$1.png" 2>/dev/null; }

# Colours of screen pixels X1 Y1 X2 Y2 ... in the last grab, as "#RRGGBB ...".
pixels() {
  local format=""
  while [ $# -ge 2 ]; do format+="#%[hex:p{$1,$2}] "; shift 2; done
  convert "$shot" -depth 8 -format "${format% }" info:
}

screen_size() { xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }

# The main window: sets WIN, WX, WY, WW, WH and the client origin CX, CY.
find_main() {
  local ids geo
  ids=$(xdotool search --onlyvisible --name '^Tramvelt$' 2>/dev/null)
  [ -n "$ids" ] && [ "$(echo "$ids" | wc -l)" -eq 1 ] || return 1
  WIN=$ids
  geo=$(xdotool getwindowgeometry --shell "$WIN") || return 1
  WX=$(echo "$geo" | sed -n 's/^X=//p') WY=$(echo "$geo" | sed -n 's/^Y=//p')
  WW=$(echo "$geo" | sed -n 's/^WIDTH=//p') WH=$(echo "$geo" | sed -n 's/^HEIGHT=//p')
  # Wine's own frame: equal borders left, right and bottom; the title bar on top.
  local border=$(((WW - CLIENT_W) / 2))
  CX=$((WX + border))
  CY=$((WY + WH - CLIENT_H - border))
}

# A visible window of the info window's size: sets INFO, IX, IY.
find_info() {
  local id geo
  INFO=""
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    geo=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    if echo "$geo" | grep -qx "WIDTH=$INFO_W" && echo "$geo" | grep -qx "HEIGHT=$INFO_H"; then
      INFO=$id
      IX=$(echo "$geo" | sed -n 's/^X=//p') IY=$(echo "$geo" | sed -n 's/^Y=//p')
      return 0
    fi
  done
  return 1
}

# Reads the list's rows from the screen, in its columns 0..VISIBLE_W-1. Per
# row: the mark (black in columns 2..10), the background (W white, Y yellow,
# below the text), text (T: black from column 13) or none (_), and x if
# anything black is where nothing may be (column 1, columns 11..12). Sets
# ROWS ("1WT 0YT ...") and LAST[] (the last column with black text, -1 if
# none).
VISIBLE_W=$LIST_W
read_rows() {
  local lx=$((CX + LIST_X)) ly=$((CY + LIST_Y)) r m bg t bad last
  ROWS="" LAST=()
  while read -r r m bg t bad last; do
    ROWS+="$m$bg$t${bad#-} "
    LAST[r]=$last
  done < <(import -window root -crop "${VISIBLE_W}x$((ROW_H * ROWS_SHOWN))+$lx+$ly" -depth 8 \
    -compress none ppm:- 2>/dev/null |
    awk -v RS='[ \t\n]+' -v rh="$ROW_H" -v rows="$ROWS_SHOWN" '
      NR == 2 { w = $1 } NR <= 4 { next }
      {
        k = NR - 5; ch = k % 3; v[ch] = $1
        if (ch < 2) next
        i = int(k / 3); x = i % w; y = int(i / w)
        r = int(y / rh); yy = y % rh
        if (yy == rh - 2 && x == w - 14)
          bg[r] = v[0] == 255 && v[1] == 255 ? (v[2] == 255 ? "W" : v[2] == 0 ? "Y" : "?") : "?"
        if (yy < 1 || yy > rh - 2 || v[0] + v[1] + v[2] != 0) next
        if (x >= 2 && x <= 10) mark[r] = 1
        else if (x == 1 || x == 11 || x == 12) bad[r] = 1
        else if (x >= 13 && x < w - 1 && x > last[r]) last[r] = x
      }
      END {
        for (r = 0; r < rows; r++)
          printf "%d %d %s %s %s %d\n", r, mark[r] + 0, (r in bg) ? bg[r] : "?", (r in last) ? "T" : "_", \
            (r in bad) ? "x" : "-", (r in last) ? last[r] : -1
      }')
  ROWS=${ROWS% }
}

# The rows expected for MARKS[] with row $1 current (-1: none).
expected_rows() {
  local s="" r
  for ((r = 0; r < ROWS_SHOWN; r++)); do
    if ((r < N)); then
      s+="${MARKS[r]}$( ((r == $1)) && echo Y || echo W)T "
    else
      s+="0W_ "
    fi
  done
  echo "${s% }"
}

# Waits until the list shows MARKS[] with row $1 current, the same on two
# grabs in a row (Wine may put a row on the screen half painted).
expect_rows() {
  local want before="" deadline=$(($(now_ms) + 10000))
  want=$(expected_rows "$1")
  while :; do
    read_rows
    if [ "$ROWS" = "$want" ]; then
      [ "$before" = "${LAST[*]}" ] && return 0
      before=${LAST[*]}
    else
      before=""
      (($(now_ms) > deadline)) && fail "list rows ($2)" "$want" "$ROWS"
    fi
    sleep 0.1
  done
}

# ---- input -----------------------------------------------------------------

# Moves the pointer to client position (x, y) of the main window.
point() { xdotool mousemove $((CX + $1)) $((CY + $2)); }
park() { point $PARK_X $PARK_Y; }
click_client() { point "$1" "$2"; xdotool click 1; park; }

declare -A last_click
# Clicks list row $1 (column 300, away from the text) and flips MARKS[$1].
click_row() {
  local r=$1 t wait_ms
  t=${last_click[$r]:-0}
  wait_ms=$((t + DBLCLICK_GAP_MS - $(now_ms)))
  # Two clicks on one row within the double-click time would be a double click.
  ((wait_ms > 0)) && sleep "$(echo "$wait_ms / 1000" | bc -l)"
  click_client 300 $((LIST_Y + r * ROW_H + ROW_H / 2))
  last_click[$r]=$(now_ms)
  MARKS[r]=$((1 - MARKS[r]))
}

key() { park; xdotool key "$1"; }

# ---- registry --------------------------------------------------------------

# Replaces the journaling key with the seeded entries (one reg import, much
# faster than a reg add per entry).
seed() {
  local i full='HKEY_CURRENT_USER\Software\Microsoft\Shared Tools\Outlook\Journaling'
  {
    printf 'REGEDIT4\r\n\r\n[-%s]\r\n' "$full"
    for ((i = 0; i < N; i++)); do
      printf '\r\n[%s\\%s]\r\n' "$full" "${NAMES[i]}"
      case ${SEED[i]} in
        REG_DWORD:*) printf '"Enabled"=dword:%08x\r\n' "${SEED[i]#*:}" ;;
        REG_SZ:*) printf '"Enabled"="%s"\r\n' "${SEED[i]#*:}" ;;
      esac
    done
  } >"$out/seed.reg"
  wine reg import "$out/seed.reg" >/dev/null 2>&1 || fail "cannot import $out/seed.reg"
}

# The journaling entries in enumeration order: "name=TYPE:DATA|..." ("name=none"
# without an Enabled value).
reg_state() {
  wine reg query "$key" /s 2>/dev/null | tr -d '\r' | awk -v prefix='HKEY_CURRENT_USER\\Software\\Microsoft\\Shared Tools\\Outlook\\Journaling\\' '
    function flush() { if (name != "") { out = out sep name "=" (val == "" ? "none" : val); sep = "|" } }
    index($0, prefix) == 1 { flush(); name = substr($0, length(prefix) + 1); val = ""; next }
    $1 == "Enabled" { val = $2 ":" $3 }
    END { flush(); print out }'
}

# The registry state with each row's value REG_DWORD 0x0/0x1 per MARKS[].
applied_state() {
  local s="" i
  for ((i = 0; i < N; i++)); do s+="${NAMES[i]}=REG_DWORD:0x${MARKS[N - 1 - i]}|"; done
  echo "${s%|}"
}

seeded_state() {
  local s="" i v
  for ((i = 0; i < N; i++)); do
    v=${SEED[i]}
    case $v in REG_DWORD:*) v="REG_DWORD:0x${v#*:}" ;; esac
    s+="${NAMES[i]}=$v|"
  done
  echo "${s%|}"
}

# Waits until the registry reads $1.
expect_reg() {
  local seen deadline=$(($(now_ms) + 10000))
  while :; do
    seen=$(reg_state)
    [ "$seen" = "$1" ] && return 0
    (($(now_ms) > deadline)) && fail "registry ($2)" "$1" "$seen"
    sleep 0.2
  done
}

# ---- the program -----------------------------------------------------------

start_app() {
  wine "$exe" >>"$out/wine.log" 2>&1 &
  app_pid=$!
  local deadline=$(($(now_ms) + 30000))
  until find_main; do
    kill -0 "$app_pid" 2>/dev/null || fail "main window" "one visible window 'Tramvelt'" "the program ended"
    (($(now_ms) > deadline)) && fail "main window" "one visible window 'Tramvelt'" \
      "$(xdotool search --onlyvisible --name '^Tramvelt$' | wc -l) such windows after 30 s"
    sleep 0.1
  done
  log "main window $WIN at $WX,$WY, ${WW}x$WH; client at $CX,$CY"
  # Centred on the screen.
  read -r SW SH < <(screen_size)
  local ex=$(((SW - WW) / 2)) ey=$(((SH - WH) / 2))
  if ((WX < ex - 1 || WX > ex + 1 || WY < ey - 1 || WY > ey + 1)); then
    fail "main window centred on the ${SW}x$SH screen" "$ex,$ey" "$WX,$WY"
  fi
  # The frame is where it was assumed: the list's white inside starts at
  # client (2, 139) and ends at x = 335, with its edge around it.
  local deadline2=$(($(now_ms) + 10000)) seen a b c d e f
  while :; do
    grab
    seen=$(pixels $((CX + 300)) $((CY + LIST_Y - 1)) $((CX + 300)) $((CY + LIST_Y + 1)) \
      $((CX + LIST_X - 1)) $((CY + 200)) $((CX + LIST_X)) $((CY + 200)) \
      $((CX + LIST_X + LIST_W - 1)) $((CY + 200)) $((CX + LIST_X + LIST_W)) $((CY + 200)))
    read -r a b c d e f <<<"$seen"
    [ "$a" != "#FFFFFF" ] && [ "$b" = "#FFFFFF" ] && [ "$c" != "#FFFFFF" ] && [ "$d" = "#FFFFFF" ] &&
      [ "$e" = "#FFFFFF" ] && [ "$f" != "#FFFFFF" ] && break
    (($(now_ms) > deadline2)) && fail "list edges at client y 138/140, x 1/2 and 335/336" \
      "non-white white non-white white white non-white" "$seen"
    sleep 0.1
  done
  park
}

# Waits until the program has ended and checks its exit code.
expect_exit() {
  local deadline=$(($(now_ms) + 15000)) rc
  while kill -0 "$app_pid" 2>/dev/null; do
    (($(now_ms) > deadline)) && fail "program ends ($1)" "process ended within 15 s" "still running"
    sleep 0.1
  done
  wait "$app_pid"
  rc=$?
  app_pid=""
  [ "$rc" -eq 0 ] || fail "exit code ($1)" 0 "$rc"
  xdotool search --onlyvisible --name '^Tramvelt$' >/dev/null 2>&1 &&
    fail "main window gone ($1)" "no visible 'Tramvelt' window" "still visible"
  log "program ended with exit code 0 ($1)"
}

alive() { kill -0 "$app_pid" 2>/dev/null || fail "$1" "program still running" "it ended"; }

# Checks for $1 ms that the info window stays up and that what the info
# window leaves uncovered of the list keeps showing MARKS[] with row $2
# current (hiding a window takes Wine about 2 s).
info_stays() {
  local want deadline=$(($(now_ms) + $1))
  VISIBLE_W=$((IX - CX - LIST_X))
  ((VISIBLE_W > 200)) || VISIBLE_W=0
  want=$(expected_rows "$2")
  while (($(now_ms) < deadline)); do
    alive "$3: program running"
    find_info || fail "$3: info window stays open" "a visible ${INFO_W}x$INFO_H window" "none"
    if ((VISIBLE_W > 0)); then
      read_rows
      [ "$ROWS" = "$want" ] || fail "$3: main window's rows unchanged (their uncovered part)" "$want" "$ROWS"
    fi
    sleep 0.2
  done
  VISIBLE_W=$LIST_W
}

# Opens the info window from the picture and checks where it is.
open_info() {
  click_client $PICTURE_X $PICTURE_Y
  local deadline=$(($(now_ms) + 10000)) seen
  until find_info; do
    (($(now_ms) > deadline)) && fail "info window opens from the picture" "a visible ${INFO_W}x$INFO_H window" "none"
    sleep 0.1
  done
  local ex=$(((SW - INFO_W) / 2)) ey=$(((SH - INFO_H) / 2))
  [ "$IX,$IY" = "$ex,$ey" ] || fail "info window centred" "$ex,$ey" "$IX,$IY"
  # Its 1-pixel blue outline, once painted.
  local want="#0000FF #0000FF #0000FF #0000FF #0000FF #0000FF"
  while :; do
    grab
    seen=$(pixels "$IX" "$IY" $((IX + INFO_W - 1)) "$IY" "$IX" $((IY + INFO_H - 1)) \
      $((IX + INFO_W - 1)) $((IY + INFO_H - 1)) $((IX + INFO_W / 2)) "$IY" "$IX" $((IY + INFO_H / 2)))
    [ "$seen" = "$want" ] && break
    (($(now_ms) > deadline)) && fail "info window's blue outline at its corners and edges" "$want" "$seen"
    sleep 0.1
  done
  log "info window $INFO at $IX,$IY"
}

# Left click at info window position ($1, $2): it must close.
close_info() {
  xdotool mousemove $((IX + $1)) $((IY + $2)) click 1
  local deadline=$(($(now_ms) + 10000))
  while find_info; do
    (($(now_ms) > deadline)) && fail "info window closes on a left click at $1,$2" "no ${INFO_W}x$INFO_H window" "still visible"
    sleep 0.1
  done
  alive "after the info window closed"
  park
}

# ---- the test --------------------------------------------------------------

# A display of its own; Xvfb picks a free number itself.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$out/display" 2>/dev/null &
xvfb_pid=$!
deadline=$(($(now_ms) + 10000))
until [ -s "$out/display" ]; do
  kill -0 "$xvfb_pid" 2>/dev/null && (($(now_ms) < deadline)) || { echo "e2e: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
export DISPLAY=:$(head -n 1 "$out/display")
log "display $DISPLAY, prefix $WINEPREFIX"

"$tools/wine-prefix.sh" "$WINEPREFIX" || fail "Wine prefix $WINEPREFIX"
wineserver -k 2>/dev/null
seed
log "seeded $(reg_state)"
want=$(seeded_state)
[ "$(reg_state)" = "$want" ] || fail "seeded registry in case-insensitive order" "$want" "$(reg_state)"

# Run 1: initial rows, clicks and arrow keys, the apply button, "Schließen".
log "run 1"
start_app
MARKS=(1 0 0 0 0 1)
expect_rows -1 "at start: marks exactly for DWORD 1, reverse enumeration order"
snap run1-start
declare -a plain marked
for ((r = 0; r < N; r++)); do ((MARKS[r])) && marked[r]=${LAST[r]} || plain[r]=${LAST[r]}; done

# Each row once: the marks flip and the clicked row is current.
for ((r = 0; r < N; r++)); do
  click_row $r
  expect_rows $r "after a click on row $r"
  ((MARKS[r])) && marked[r]=${LAST[r]} || plain[r]=${LAST[r]}
done
snap run1-flipped
log "every row flipped by a click: $ROWS (text ends: unmarked ${plain[*]}, marked ${marked[*]})"

# Marked rows read "<name> ausbremsen": the same extra width on every row.
suffix=$((marked[0] - plain[0]))
((suffix > 40)) || fail "text of a marked row is longer (' ausbremsen')" "more than 40 px" "$suffix px"
for ((r = 1; r < N; r++)); do
  [ $((marked[r] - plain[r])) -eq $suffix ] ||
    fail "row $r: ' ausbremsen' adds the same width as on row 0" "$suffix px" "$((marked[r] - plain[r])) px"
done
# The rows' unmarked text widths rank as their names' lengths: the rows are in
# the reverse of the enumeration order.
by_width=$(for ((r = 0; r < N; r++)); do echo "${plain[r]} $r"; done | sort -n | awk '{ printf "%s ", $2 }')
by_length=$(for ((r = 0; r < N; r++)); do echo "${#ROW_NAMES[r]} $r"; done | sort -n | awk '{ printf "%s ", $2 }')
[ "$by_width" = "$by_length" ] ||
  fail "rows ordered by text width as the names ${ROW_NAMES[*]} by length" "$by_length" "$by_width"

# Flips alone write nothing.
expect_reg "$(seeded_state)" "unchanged before applying"

# A row again, then the arrow key moves on and flips the next row. Every row
# now differs from what the registry holds, so each must be written.
click_row 2
expect_rows 2 "after a second click on row 2"
key Down
MARKS[3]=$((1 - MARKS[3]))
expect_rows 3 "after Down"
log "marks before applying: ${MARKS[*]}"

click_client $APPLY_X $APPLY_Y
expect_reg "$(applied_state)" "after clicking Übernehmen"
expect_rows 3 "after applying"
log "applied with the button: $(reg_state)"

applied=$(applied_state)
click_row 0
click_row 1
expect_rows 1 "after flipping rows 0 and 1"
click_client $CLOSE_X $CLOSE_Y
expect_exit "Schließen"
expect_reg "$applied" "unchanged after Schließen"
MARKS[0]=$((1 - MARKS[0])) MARKS[1]=$((1 - MARKS[1]))

# Run 2: the applied values come back; Enter applies, Escape closes.
log "run 2"
start_app
expect_rows -1 "at start: the values applied in run 1"
snap run2-start
# Row 0 by a click, the others by Down: every row flips, so each must be
# written again.
click_row 0
expect_rows 0 "after a click on row 0"
for ((r = 1; r < N; r++)); do
  key Down
  MARKS[r]=$((1 - MARKS[r]))
done
expect_rows $((N - 1)) "after Down $((N - 1)) times"
key Return
expect_reg "$(applied_state)" "after Enter"
log "applied with Enter: $(reg_state)"
applied=$(applied_state)
click_row 0
click_row 4
expect_rows 4 "after flipping rows 0 and 4"
key Escape
expect_exit "Escape"
expect_reg "$applied" "unchanged after Escape"
MARKS[0]=$((1 - MARKS[0])) MARKS[4]=$((1 - MARKS[4]))

# Run 3: the info window, then the title bar's close button.
log "run 3"
start_app
expect_rows -1 "at start: the values applied in run 2"

# Move the main window by its title bar to the left edge, so that the left
# part of its list stays uncovered by the info window.
xdotool mousemove $((WX + 100)) $((WY + 11)) mousedown 1
xdotool mousemove $((WX + 50)) $((WY + 11))
xdotool mousemove 110 $((WY + 11))
xdotool mouseup 1
deadline=$(($(now_ms) + 10000))
until find_main && ((WX == 10)); do
  (($(now_ms) > deadline)) && fail "main window dragged by its title bar" "x = 10" "x = $WX"
  sleep 0.1
done
log "main window moved to $WX,$WY"
park
expect_rows -1 "after moving the window"

open_info
snap run3-info
((IX - CX - LIST_X > 200)) ||
  fail "list partly outside the info window" "more than 200 columns uncovered" "$((IX - CX - LIST_X))"
# While it is up the main window ignores a click on a row, and a right click
# inside it does not close it.
xdotool mousemove $((CX + 100)) $((CY + LIST_Y + ROW_H / 2)) click 1
xdotool mousemove $((IX + 231)) $((IY + 190)) click 3
info_stays 3000 -1 "a click on row 0 of the main window and a right click on the picture"
# Neither do Escape nor Enter (the pointer on it gives it the keyboard).
xdotool mousemove $((IX + 20)) $((IY + 440)) key Escape
info_stays 3000 -1 "Escape"
xdotool key Return
info_stays 3000 -1 "Enter"
snap run3-info-keys
# A left click on the picture closes it.
close_info 231 190
expect_rows -1 "after the info window: nothing changed while it was up"
# Again, closed by a left click beside the picture.
open_info
close_info 20 440
expect_rows -1 "after the info window's second showing"
expect_reg "$applied" "unchanged by the info window"

# The main window takes clicks again.
click_row 2
expect_rows 2 "after a click once the info window is closed"

# The title bar's close button: the black cross at its right end.
grab
cross=$(pixels $((WX + WW - 13)) $((WY + 11)))
snap run3-before-close
[ "$cross" = "#000000" ] || fail "close button's cross at the title bar's right end" "#000000" "$cross"
xdotool mousemove $((WX + WW - 13)) $((WY + 11)) click 1
expect_exit "title bar close button"
expect_reg "$applied" "unchanged after the close button"

log "all checks passed"
exit 0
