#!/usr/bin/env bash
# Sets up, builds the program (not the tests) and starts Korvanta.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" --target korvanta
exec "$root/build/shell/korvanta" "$@"
