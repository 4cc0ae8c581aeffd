#!/usr/bin/env bash
# The real program, on a real X display (Qt's xcb platform under Xvfb), on a
# dark desktop: Qt's GTK platform theme with GTK's dark Adwaita theme. Every
# text must stand on the background its colour was chosen for, so it stays
# readable: the contrast of the "Number" label and of the help window's text
# (black) against what is behind them is at least 4.5 to 1, the usual floor
# for text, and that of the credit line (blue, in italics) at least 3 to 1.
# The contrasts are measured on screenshots, in each control's box (see
# text_contrast.py); the program runs with Qt's plugin messages on, so the
# test knows that the GTK theme was loaded and does not pass without it.
#
#   tests/desktop/readable_on_dark_theme.sh PROGRAM
set -euo pipefail

readonly test_name="readable on dark theme"
readonly main_title="Korvanta v1.0"
readonly help_title="Help"
readonly server_timeout=10  # seconds until Xvfb must give its display
readonly step_timeout=30    # seconds for a window to come up and be painted
# shellcheck source=tests/desktop/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: $0 PROGRAM}
[[ -x $program ]] || fail "no program at $program; build it first"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
contrast=$(cd "$(dirname "$0")" && pwd)/text_contrast.py
need_tools Xvfb xdotool import python3 timeout

begin_desktop
# The root is plain black (-br): the default weave would pass for text where
# no window was painted yet.
start_xvfb -br
private_settings
# The desktop as GNOME's with a dark theme would give it.
start_program "$program" QT_DEBUG_PLUGINS=1 QT_QPA_PLATFORMTHEME=gtk3 \
  GTK_THEME=Adwaita:dark XDG_CURRENT_DESKTOP=GNOME
log="$work/program.log"

# Sets left and top to the screen position of window $1's content area,
# whose design size is $2 x $3 and which lies below the menu bar at the
# window's bottom edge. The boxes below are in design pixels: a window that
# Qt scaled would put them beside the controls.
X='' Y='' WIDTH='' HEIGHT='' left='' top=''
content_origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ((WIDTH == $2)) || stop "the window is ${WIDTH} wide, not its design's $2: scaled?"
  left=$X
  top=$((Y + HEIGHT - $3))
}

# Measures the contrasts in the boxes given (text_contrast.py's arguments,
# in content coordinates of the window at left, top) on screenshots until
# the window shows text in every box; counts a window whose contrasts fall
# short in failures, so that every window is measured.
failures=0
measure() {
  local what=$1 boxes=() spec name box minimum x y w h status
  shift
  for spec in "$@"; do
    IFS=: read -r name box minimum <<<"$spec"
    IFS=, read -r x y w h <<<"$box"
    boxes+=("$name:$((left + x)),$((top + y)),$w,$h:$minimum")
  done
  # A window still being painted shows in one screenshot what the next one
  # no longer does: only two alike in a row are measured.
  local deadline=$((SECONDS + step_timeout))
  rm -f "$work/screen.ppm"
  while :; do
    check_running "while $what was measured"
    ((SECONDS < deadline)) || fail "$what: the screen did not settle within ${step_timeout}s"
    [[ -e $work/screen.ppm ]] && mv "$work/screen.ppm" "$work/before.ppm"
    import -window root -depth 8 "ppm:$work/screen.ppm" 2>>"$work/import.log" ||
      stop "no screenshot: $(tail -n 1 "$work/import.log")"
    if [[ -e $work/before.ppm ]] && cmp -s "$work/before.ppm" "$work/screen.ppm"; then
      status=0
      python3 "$contrast" "$work/screen.ppm" "${boxes[@]}" >"$work/contrast.txt" || status=$?
      ((status == 2 && SECONDS < deadline)) || break
    fi
    sleep 0.3
  done
  sed 's/^/  /' "$work/contrast.txt"
  case $status in
    0) say "$what: every text readable" ;;
    1)
      echo "$test_name: $what: a text falls short of its contrast (above)" >&2
      failures=$((failures + 1))
      ;;
    *) fail "$what: no text to measure within ${step_timeout}s (above)" ;;
  esac
}

wait_visible "$main_title"
main=$shown
grep -q 'libqgtk3.so" loaded library' "$log" ||
  stop "Qt did not load its GTK platform theme (qt6-gtk-platformtheme, which scripts/setup.sh installs)"
say "\"$main_title\" is up (id $main) with Qt's GTK platform theme, GTK_THEME=Adwaita:dark"

# Boxes are the controls' own, from the main window's 400 x 330 design:
# "Number" at 315, 20 (50 x 20), the credit line at 4, 310 (122 x 20).
content_origin "$main" 400 330
measure "the main window" "\"Number\":315,20,50,20:4.5" "credit line:4,310,122,20:3"

# "Help" is 80 x 22 at 300, 196; no window manager runs, so the click goes
# straight to the window.
click "$main" 400 330 340 207
wait_visible "$help_title"
help=$shown
say "\"$help_title\" is up (id $help)"

# The help text area is 396 x 322 at 20, 20 of the 436 x 384 design; the box
# keeps clear of its frame and of its scroll bar at the right.
content_origin "$help" 436 384
measure "the help window" "help text:24,24,360,314:4.5"
end_program
((failures == 0)) || fail "text hard to read in $failures of 2 windows"
say "passed"
