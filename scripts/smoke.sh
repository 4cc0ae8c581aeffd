#!/usr/bin/env bash
# Smoke test of the real program: starts build/shell/korvanta under a virtual
# X server, waits for its main window, presses "Quit" with the mouse and
# checks that the program ends with status 0. Every wait is bounded and the
# program is killed if it outlives the test.
#
#   scripts/smoke.sh BUILD_FOLDER
set -euo pipefail

readonly title="Korvanta v1.0"
readonly window_timeout=20  # seconds until the main window must be up
readonly exit_timeout=10    # seconds from "Quit" until the program must end

fail() {
  echo "smoke: FAILED: $*" >&2
  exit 1
}

# Inside the virtual server (the script runs itself again there).
if [[ ${1:-} == --inside ]]; then
  program=$2
  log=$(mktemp)
  pid=
  cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
      echo "smoke: killing the program (pid $pid)" >&2
      kill -KILL "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
    rm -f "$log"
  }
  trap cleanup EXIT
  # A real X window: a platform chosen elsewhere (offscreen for the tests)
  # would show nothing.
  env -u QT_QPA_PLATFORM "$program" >"$log" 2>&1 &
  pid=$!

  # No window manager runs here, so the window is found by its name and
  # must be mapped before it can be clicked.
  window=
  deadline=$((SECONDS + window_timeout))
  while ((SECONDS < deadline)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && status=0 || status=$?
      cat "$log" >&2
      pid=
      fail "the program ended (status $status) before its window appeared"
    fi
    for id in $(xdotool search --name "^${title//./\\.}\$" 2>/dev/null); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        window=$id
        break
      fi
    done
    [[ -n $window ]] && break
    sleep 0.2
  done
  if [[ -z $window ]]; then
    xwininfo -root -tree >&2 || true
    cat "$log" >&2
    fail "no window named \"$title\" within ${window_timeout}s"
  fi
  echo "smoke: window \"$title\" is up (id $window)"

  # "Quit" is 80 x 22 at (300, 264) of the 400 x 330 content area, which lies
  # below the menu bar at the window's bottom edge. Scale by the window's
  # width in case Qt scales the window.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  x=$((340 * WIDTH / 400))
  y=$((HEIGHT - 55 * WIDTH / 400))
  echo "smoke: window ${WIDTH}x${HEIGHT}; clicking \"Quit\" at ($x, $y)"
  xdotool mousemove --window "$window" "$x" "$y"
  sleep 0.3
  xdotool click 1

  deadline=$((SECONDS + exit_timeout))
  while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then
    cat "$log" >&2
    fail "the program was still running ${exit_timeout}s after \"Quit\""
  fi
  wait "$pid" && status=0 || status=$?
  pid=
  ((status == 0)) || {
    cat "$log" >&2
    fail "the program ended with status $status, not 0"
  }
  echo "smoke: \"Quit\" ended the program with status 0"
  exit 0
fi

build=${1:?usage: scripts/smoke.sh BUILD_FOLDER}
[[ -x $build/shell/korvanta ]] || fail "no program at $build/shell/korvanta; build it first"
program=$(cd "$build" && pwd)/shell/korvanta
for tool in xvfb-run xdotool xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/setup.sh"
done

# The whole run is bounded too, should the virtual server itself hang.
timeout --kill-after=5 $((window_timeout + exit_timeout + 30)) \
  xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" --inside "$program" ||
  fail "see the messages above"
echo "smoke: passed"
