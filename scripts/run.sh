#!/usr/bin/env bash
# Sets up, builds and starts Korvanta.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
if [[ -x "$root/build/shell/korvanta" ]]; then
  exec "$root/build/shell/korvanta" "$@"
fi
echo "Korvanta is built; its main window is not there yet, so there is nothing to start."
