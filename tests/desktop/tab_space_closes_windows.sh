#!/usr/bin/env bash
# The real program on a real X display with a window manager (openbox), as a
# keyboard user meets its three secondary windows: after "Coefficients",
# after "Help" and after "Transform", the window that comes up, with the
# focus in its text, must close with Tab, then Space, which press its "OK".
# Tab once typed a tab into the text, so that no key reached "OK". Every wait
# is bounded, the program and the window manager are killed if they outlive
# the test, and their logs are shown on failure.
#
#   tests/desktop/tab_space_closes_windows.sh PROGRAM
set -euo pipefail

readonly test_name=tab_space_closes_windows
readonly main_title="Korvanta v1.0"
readonly open_title="Open"  # Qt's own file dialogs: no platform theme here
readonly save_title="Save As"
readonly step_timeout=30    # seconds for any one window to come or go
# shellcheck source=tests/desktop/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: tests/desktop/tab_space_closes_windows.sh PROGRAM}
[[ -x $program ]] || fail "no program at $program; build it first"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
examples=$(cd "$(dirname "$0")/../.." && pwd)/examples
for example in site-control.csv site-points.csv; do
  [[ -r $examples/$example ]] || fail "no example file at $examples/$example"
done
need_tools Xvfb openbox xdotool xprop timeout
run_within $((10 * step_timeout)) "$program"

# Waits for the window named $1 to come up active, then presses Tab and
# Space, and waits for the window to go.
close_with_tab_space() {
  wait_active "$1"
  say "\"$1\" is up (id $active); pressing Tab, then Space"
  xdotool key Tab
  sleep 0.3
  xdotool key space
  wait_gone "$1" "Tab, Space"
  say "Tab, Space closed \"$1\""
}

begin_desktop
start_xvfb
start_openbox
cp "$examples/site-control.csv" "$examples/site-points.csv" "$work/"
start_program "$program"

# The main window's content area is 400 x 330; the points are the controls'
# centres in the design.
wait_active "$main_title"
main=$active
say "\"$main_title\" is up (id $main); choosing the control file"
click "$main" 400 330 67 56
answer_dialog "$open_title" "$work/site-control.csv"
wait_active "$main_title"

say "choosing \"Affine\" and pressing \"Coefficients\""
click "$main" 400 330 50 213
sleep 0.3
click "$main" 400 330 78 271
close_with_tab_space "Affine Coefficients"
wait_active "$main_title"

say "pressing \"Help\""
click "$main" 400 330 340 207
close_with_tab_space "Help"
wait_active "$main_title"

say "choosing the output and the points file and pressing \"Transform\""
click "$main" 400 330 67 81
answer_dialog "$save_title" "$work/output.csv"
wait_active "$main_title"
click "$main" 400 330 67 106
answer_dialog "$open_title" "$work/site-points.csv"
wait_active "$main_title"
click "$main" 400 330 340 173
close_with_tab_space "Affine Transformation"
wait_active "$main_title"
[[ -s $work/output.csv ]] || stop "\"Transform\" wrote nothing to the output file"

quit_program "$main"
