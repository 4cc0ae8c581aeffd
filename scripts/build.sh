#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1). With
# --target T next, only T and what it needs are built; further arguments go
# to CMake. A first argument that starts with '-' is an option, not a folder.
#
#   scripts/build.sh [FOLDER] [--target T] [CMAKE ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [[ $# -gt 0 && $1 != -* ]]; then
  build=$1
  shift
fi
target=()
if [[ ${1:-} == --target ]]; then
  target=(--target "${2:?--target needs a target name}")
  shift 2
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" "${target[@]}"
