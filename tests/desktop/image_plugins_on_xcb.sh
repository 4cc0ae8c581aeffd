#!/usr/bin/env bash
# The real program, on a real X display (Qt's xcb platform under Xvfb), looks
# for no image-format plugin from its start, through its first frame, to its
# end by "Quit": nothing it shows needs one, and a mere look through their
# folder opens every plugin file in it. scripts/smoke.sh drives the program
# (window up, "Quit" clicked, status 0); since the click comes after the
# window's first expose, the run covers the first frame. The program runs with
# Qt's plugin messages on, which name each folder Qt looks through; none may
# name the image-format plugins' folder. Once as in a bare X session, once as
# on a GNOME desktop, where Qt loads its GTK platform theme when installed;
# both with the cursor and icon theme that desktops have (adwaita-icon-theme).
#
#   tests/desktop/image_plugins_on_xcb.sh PROGRAM
set -euo pipefail

readonly test_name="image plugins on xcb"
readonly step_timeout=10  # seconds until Xvfb must give its display
readonly run_timeout=60   # seconds for one run, window and "Quit" included
# shellcheck source=tests/desktop/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: $0 PROGRAM}
[[ -x $program ]] || fail "no program at $program"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
smoke=$(cd "$(dirname "$0")/../.." && pwd)/scripts/smoke.sh
need_tools Xvfb xdotool xwininfo timeout
if [[ ! -e /usr/share/icons/default/index.theme ]]; then
  echo "note: no default cursor theme (adwaita-icon-theme, which scripts/setup.sh installs)"
fi

begin_desktop
start_xvfb

# smoke.sh keeps the program's messages only when it fails; this program
# keeps Qt's plugin messages in the log, under the same process id, so that
# smoke.sh still ends it should it outlive the run.
log="$work/plugins.log"
printf '#!/bin/sh\nexec %q 2>>%q\n' "$program" "$log" >"$work/korvanta"
chmod +x "$work/korvanta"

cases=("bare X session" "GNOME desktop")
desktops=("" "XDG_CURRENT_DESKTOP=GNOME")
failures=0
for i in "${!cases[@]}"; do
  echo "== ${cases[i]}"
  : >"$log"
  # shellcheck disable=SC2086  # an empty desktop adds no argument
  if ! timeout --kill-after=5 "$run_timeout" env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
      -u QT_QPA_PLATFORMTHEME QT_DEBUG_PLUGINS=1 ${desktops[i]} \
      bash "$smoke" --inside "$work/korvanta"; then
    tail -n 40 "$log" >&2
    fail "${cases[i]}: the program did not run to \"Quit\""
  fi
  # Without the messages of the platform plugins' folder, Qt wrote none and
  # the look below would prove nothing.
  grep -q '/platforms\b' "$log" || fail "${cases[i]}: Qt wrote no plugin messages"
  if grep -q 'libqgtk3.so" loaded library' "$log"; then
    echo "${cases[i]}: Qt's GTK platform theme was loaded"
  fi
  if grep '/imageformats' "$log" >&2; then
    echo "${cases[i]}: FAILED: the program looked for image-format plugins (above)" >&2
    failures=$((failures + 1))
  else
    echo "${cases[i]}: no image-format plugin looked for"
  fi
done
((failures == 0)) || fail "$failures of ${#cases[@]} runs looked for image-format plugins"
echo "image plugins on xcb: passed"
