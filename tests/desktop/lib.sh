# Shared steps of the desktop tests, sourced by each: a virtual X server on
# a display of its own, openbox, the real program, and bounded waits for its
# windows. Before sourcing, a test sets test_name (its name in messages) and
# step_timeout (seconds for any one window to come or go), and may set
# server_timeout (seconds for Xvfb to give its display; step_timeout
# otherwise). Every process
# started here is ended when the test's shell exits, and on a failure the
# logs and the visible windows are shown.
# The tests set test_name, step_timeout and server_timeout, and read active
# and shown.
# shellcheck shell=bash disable=SC2154,SC2034

fail() {
  echo "$test_name: FAILED: $*" >&2
  exit 1
}

say() {
  echo "$test_name: $*"
}

# Fails unless every named tool is installed.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/setup.sh"
  done
}

# Runs the test's script again, with the same arguments, under a time limit
# of $1 seconds for the whole run, should the X server or anything else hang;
# returns only in that run, and ends the script with its outcome otherwise.
run_within() {
  [[ ${KORVANTA_DESKTOP_RUN:-} == inside ]] && return 0
  local seconds=$1
  shift
  KORVANTA_DESKTOP_RUN=inside timeout --kill-after=5 "$seconds" bash "$0" "$@" ||
    fail "see the messages above"
  say "passed"
  exit 0
}

work=
xvfb_pid=
wm_pid=
pid=
# Makes the test's folder, and ends everything started here when the shell
# exits, also on the time limit's signal.
begin_desktop() {
  work=$(mktemp -d)
  trap end_desktop EXIT
  trap 'exit 143' TERM INT
}

end_desktop() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
    echo "$test_name: killing the program (pid $pid)" >&2
  fi
  end_program
  local other
  for other in "$wm_pid" "$xvfb_pid"; do
    [[ -n $other ]] || continue
    kill "$other" 2>/dev/null || true
    wait "$other" 2>/dev/null || true
  done
  rm -rf "$work"
}

# Kills the program, if it still runs: for a test that has seen all it needs
# and leaves its windows open.
end_program() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  pid=
}

# Starts Xvfb, which picks a free display itself and writes its number, so
# runs beside other X servers cannot take the same one; sets DISPLAY. Any
# arguments go to Xvfb as well.
# shellcheck disable=SC2120  # most tests need none
start_xvfb() {
  local display_number='' seconds=${server_timeout:-$step_timeout}
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  exec 4<>"$work/display"
  read -r -t "$seconds" display_number <&4 || true
  exec 4<&-
  if [[ -z $display_number ]]; then
    cat "$work/xvfb.log" >&2
    fail "Xvfb gave no display within ${seconds}s"
  fi
  export DISPLAY=":$display_number"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# Keeps the settings of what starts from here on, Qt's file dialog history
# among them, in the test's own folder: a user's would change what the
# windows and dialogs show.
private_settings() {
  export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
}

# Starts openbox, with settings of its own, and waits until it manages the
# screen.
start_openbox() {
  private_settings
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  local deadline=$((SECONDS + step_timeout))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$wm_pid" 2>/dev/null || {
      cat "$work/openbox.log" >&2
      fail "openbox ended before it managed the screen"
    }
    ((SECONDS < deadline)) || fail "openbox did not manage the screen within ${step_timeout}s"
    sleep 0.2
  done
  say "openbox manages the screen"
}

# Starts the program in the test's folder, on a real X window: a platform
# chosen elsewhere (offscreen for the tests) would show nothing. Sets pid;
# the program must stay a child of the test's shell. Any NAME=VALUE after
# the program go into its environment.
start_program() {
  (cd "$work" && exec env -u QT_QPA_PLATFORM "${@:2}" "$1") >"$work/program.log" 2>&1 &
  pid=$!
}

windows() {
  local id
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
  [[ -n $wm_pid ]] || return 0
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
  local status
  wait "$pid" && status=0 || status=$?
  pid=
  stop "the program ended (status $status) $1"
}

# The visible window with exactly this name, or nothing.
visible_window() {
  local pattern="^${1//./\\.}\$"
  { xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true; } | head -n 1
}

# Waits until a window named $1 is visible and, if $2 is "active", the
# active one too; sets found to its id. Without a window manager no window
# becomes the active one by itself: such a test waits for it to be visible.
found=
wait_window() {
  local deadline=$((SECONDS + step_timeout)) id
  while ((SECONDS < deadline)); do
    check_running "while waiting for \"$1\""
    id=$(visible_window "$1")
    if [[ -n $id && ($2 != active || $(xdotool getactivewindow 2>/dev/null) == "$id") ]]; then
      found=$id
      return 0
    fi
    sleep 0.2
  done
  [[ $2 == active ]] && stop "\"$1\" was not the active window within ${step_timeout}s"
  stop "no window \"$1\" within ${step_timeout}s"
}

# Waits until the window named $1 is visible, and sets shown to its id.
shown=
wait_visible() {
  wait_window "$1" visible
  shown=$found
}

# Waits until the window named $1 is visible and the active one, and sets
# active to its id.
active=
wait_active() {
  wait_window "$1" active
  active=$found
}

# Waits until no window named $1 is visible; $2, if given, says what should
# have closed it.
wait_gone() {
  local deadline=$((SECONDS + step_timeout))
  while [[ -n $(visible_window "$1") ]]; do
    check_running "while waiting for \"$1\" to close"
    ((SECONDS < deadline)) || stop "\"$1\" was still shown ${step_timeout}s after ${2:-its close}"
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

# Answers the open or save dialog named $1 with the file $2, typed as a
# keyboard user types it, and waits until the dialog has gone.
answer_dialog() {
  wait_active "$1"
  say "typing \"$2\" into \"$1\""
  xdotool type --delay 20 "$2"
  sleep 0.3
  xdotool key Return
  wait_gone "$1" "Return"
}

# Presses "Quit" in the main window (id $1) and checks that the program ends
# with status 0.
quit_program() {
  click "$1" 400 330 340 275
  local deadline=$((SECONDS + step_timeout)) status
  while kill -0 "$pid" 2>/dev/null; do
    ((SECONDS < deadline)) || stop "the program was still running ${step_timeout}s after \"Quit\""
    sleep 0.2
  done
  wait "$pid" && status=0 || status=$?
  pid=
  ((status == 0)) || stop "\"Quit\" ended the program with status $status, not 0"
  say "\"Quit\" ended the program with status 0"
}
