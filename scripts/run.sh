#!/usr/bin/env bash
# Sets up, builds the program (not the tests) into build/ and starts Korvanta.
# Warnings stay warnings: the test command builds into the same folder with
# warnings as errors, and CMake would keep that value in its cache, so this
# sets its own each time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" --target korvanta -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF
exec "$root/build/shell/korvanta" "$@"
