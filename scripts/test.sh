#!/usr/bin/env bash
# Sets up, builds everything (the program, tests, demos and benchmarks) with
# warnings as errors, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DKORVANTA_BENCH=ON -DKORVANTA_SHELL_DEMO=ON -DKORVANTA_WINDOW_DEMO=ON
# A run in which CTest finds no test at all fails too.
ctest --test-dir "$root/build" --output-on-failure --no-tests=error -j"$(nproc)"
