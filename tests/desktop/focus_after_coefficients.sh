#!/usr/bin/env bash
# The real program on a real X display with a window manager (openbox), as a
# keyboard user meets it: choose a control file, pick "Affine", press
# "Coefficients", close the coefficients window with its "OK" and, back in
# the main window, press Space to go on. Space must go on to the next step,
# the output file's save dialog; it once pressed "Quit", which ends the
# program. Every wait is bounded, the program and the window manager are
# killed if they outlive the test, and their logs are shown on failure.
#
#   tests/desktop/focus_after_coefficients.sh PROGRAM
set -euo pipefail

readonly test_name=focus_after_coefficients
readonly main_title="Korvanta v1.0"
readonly param_title="Affine Coefficients"
readonly open_title="Open"     # Qt's own file dialogs: no platform theme here
readonly save_title="Save As"
readonly step_timeout=30       # seconds for any one window to come or go
readonly still_running=2       # seconds the program must outlive Space
# shellcheck source=tests/desktop/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: tests/desktop/focus_after_coefficients.sh PROGRAM}
[[ -x $program ]] || fail "no program at $program; build it first"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
control=$(cd "$(dirname "$0")/../.." && pwd)/examples/site-control.csv
[[ -r $control ]] || fail "no control file at $control"
need_tools Xvfb openbox xdotool xprop timeout
run_within $((10 * step_timeout)) "$program"

begin_desktop
start_xvfb
start_openbox
cp "$control" "$work/control.csv"
start_program "$program"

# The main window's content area is 400 x 330, the coefficients window's
# 308 x 274; the points are the controls' centres in the design.
wait_active "$main_title"
main=$active
say "\"$main_title\" is up (id $main); pressing \"Control\""
click "$main" 400 330 67 56
answer_dialog "$open_title" "$work/control.csv"
wait_active "$main_title"

say "choosing \"Affine\" and pressing \"Coefficients\""
click "$main" 400 330 50 213
sleep 0.3
click "$main" 400 330 78 271
wait_active "$param_title"
param=$active
say "\"$param_title\" is up (id $param); pressing its \"OK\""
click "$param" 308 274 159 253
wait_gone "$param_title" "its \"OK\""
# The window manager gives the focus back; nothing here forces it.
wait_active "$main_title"

say "\"$main_title\" is active again; pressing Space"
pressed=$SECONDS
xdotool key space
deadline=$((SECONDS + step_timeout))
while [[ -z $(visible_window "$save_title") ]]; do
  check_running "after Space: Space pressed \"Quit\", not the next step \"Output\""
  ((SECONDS < deadline)) || stop "no \"$save_title\" dialog within ${step_timeout}s of Space"
  sleep 0.2
done
while ((SECONDS < pressed + still_running + 1)); do sleep 0.2; done
check_running "after Space and its \"$save_title\" dialog"
say "Space opened \"$save_title\" and the program still runs"

# Closes everything as the user would: Escape cancels the save dialog,
# then "Quit" ends the program with status 0.
xdotool key Escape
wait_gone "$save_title" "Escape"
wait_active "$main_title"
quit_program "$main"
