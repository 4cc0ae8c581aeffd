#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1). With
# --target T next, only T and what it needs are built; further arguments go
# to CMake.
#
#   scripts/build.sh [FOLDER] [--target T] [CMAKE ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true
target=()
if [[ ${1:-} == --target ]]; then
  target=(--target "${2:?--target needs a target name}")
  shift 2
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" "${target[@]}"
