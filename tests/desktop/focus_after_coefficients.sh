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

readonly main_title="Korvanta v1.0"
readonly param_title="Affine Coefficients"
readonly open_title="Open"     # Qt's own file dialogs: no platform theme here
readonly save_title="Save As"
readonly step_timeout=30       # seconds for any one window to come or go
readonly still_running=2       # seconds the program must outlive Space

fail() {
  echo "focus_after_coefficients: FAILED: $*" >&2
  exit 1
}

say() {
  echo "focus_after_coefficients: $*"
}

# Inside the virtual server (the script runs itself again there).
if [[ ${1:-} == --inside ]]; then
  program=$2
  control=$3
  work=$(mktemp -d)
  pid=
  wm_pid=
  cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
      echo "focus_after_coefficients: killing the program (pid $pid)" >&2
      kill -KILL "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
    if [[ -n $wm_pid ]]; then
      kill "$wm_pid" 2>/dev/null || true
      wait "$wm_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
  }
  trap cleanup EXIT
  # Qt's file dialog history and openbox's settings stay in the test's own
  # folder: a user's would change what the dialogs show.
  export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
  cp "$control" "$work/control.csv"

  windows() {
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      echo "  $id \"$(xdotool getwindowname "$id" 2>/dev/null)\""
    done
  }
  # What shows the state of things when a step goes wrong.
  report() {
    echo "Visible windows:" >&2
    windows >&2
    echo "Active window: $(xdotool getactivewindow getwindowname 2>/dev/null || echo none)" >&2
    echo "--- program log" >&2
    cat "$work/program.log" >&2 || true
    echo "--- window manager log" >&2
    cat "$work/openbox.log" >&2 || true
  }
  stop() {
    report
    fail "$*"
  }
  # Stops the test when the program has ended, saying after which step.
  check_running() {
    kill -0 "$pid" 2>/dev/null && return 0
    wait "$pid" && status=0 || status=$?
    pid=
    stop "the program ended (status $status) $1"
  }
  # The visible window with exactly this name, or nothing.
  visible_window() {
    local pattern="^${1//./\\.}\$"
    { xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true; } | head -n 1
  }
  # Waits until the window named $1 is visible and the active one, and sets
  # active to its id (in this shell: the program must stay its child).
  active=
  wait_active() {
    local deadline=$((SECONDS + step_timeout)) id
    while ((SECONDS < deadline)); do
      check_running "while waiting for \"$1\""
      id=$(visible_window "$1")
      if [[ -n $id && $(xdotool getactivewindow 2>/dev/null) == "$id" ]]; then
        active=$id
        return 0
      fi
      sleep 0.2
    done
    stop "\"$1\" was not the active window within ${step_timeout}s"
  }
  wait_gone() {
    local deadline=$((SECONDS + step_timeout))
    while [[ -n $(visible_window "$1") ]]; do
      check_running "while waiting for \"$1\" to close"
      ((SECONDS < deadline)) || stop "\"$1\" was still shown after ${step_timeout}s"
      sleep 0.2
    done
  }
  # Clicks the point (x, y) of a window's content area, whose design size is
  # width x height and which lies below the menu bar at the window's bottom
  # edge; scaled by the window's width in case Qt scales the window.
  click() {
    local window=$1 width=$2 height=$3 x=$4 y=$5 WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" $((x * WIDTH / width)) \
      $((HEIGHT - (height - y) * WIDTH / width))
    sleep 0.2
    xdotool click 1
  }

  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  deadline=$((SECONDS + step_timeout))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$wm_pid" 2>/dev/null || {
      cat "$work/openbox.log" >&2
      fail "openbox ended before it managed the screen"
    }
    ((SECONDS < deadline)) || fail "openbox did not manage the screen within ${step_timeout}s"
    sleep 0.2
  done
  say "openbox manages the screen"

  # A real X window: a platform chosen elsewhere (offscreen for the tests)
  # would show nothing.
  (cd "$work" && exec env -u QT_QPA_PLATFORM "$program") >"$work/program.log" 2>&1 &
  pid=$!

  # The main window's content area is 400 x 330, the coefficients window's
  # 308 x 274; the points are the controls' centres in the design.
  wait_active "$main_title"
  main=$active
  say "\"$main_title\" is up (id $main); pressing \"Control\""
  click "$main" 400 330 67 56
  wait_active "$open_title"
  say "typing the control file's name into \"$open_title\""
  xdotool type --delay 20 "$work/control.csv"
  sleep 0.3
  xdotool key Return
  wait_gone "$open_title"
  wait_active "$main_title"

  say "choosing \"Affine\" and pressing \"Coefficients\""
  click "$main" 400 330 50 213
  sleep 0.3
  click "$main" 400 330 78 271
  wait_active "$param_title"
  param=$active
  say "\"$param_title\" is up (id $param); pressing its \"OK\""
  click "$param" 308 274 159 253
  wait_gone "$param_title"
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
  wait_gone "$save_title"
  wait_active "$main_title"
  click "$main" 400 330 340 275
  deadline=$((SECONDS + step_timeout))
  while kill -0 "$pid" 2>/dev/null; do
    ((SECONDS < deadline)) || stop "the program was still running ${step_timeout}s after \"Quit\""
    sleep 0.2
  done
  wait "$pid" && status=0 || status=$?
  pid=
  ((status == 0)) || stop "\"Quit\" ended the program with status $status, not 0"
  say "\"Quit\" ended the program with status 0"
  exit 0
fi

program=${1:?usage: tests/desktop/focus_after_coefficients.sh PROGRAM}
[[ -x $program ]] || fail "no program at $program; build it first"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
control=$(cd "$(dirname "$0")/../.." && pwd)/examples/site-control.csv
[[ -r $control ]] || fail "no control file at $control"
for tool in xvfb-run Xvfb xauth openbox xdotool xprop; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/setup.sh"
done

# The whole run is bounded too, should the virtual server itself hang.
timeout --kill-after=5 $((10 * step_timeout)) \
  xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" --inside "$program" "$control" ||
  fail "see the messages above"
say "passed"
