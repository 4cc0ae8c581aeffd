#!/usr/bin/env bash
# Measures Korvanta's start-up, up to its main window on screen, against two
# plain Qt Widgets programs: the same main window built directly with Qt (the
# yardstick; goal: Korvanta within 1.05 times it) and an empty window of the
# same size (the floor). Each program ends right after its window's first
# expose; hyperfine times the whole process, teardown included, under one
# Xvfb and on Qt's offscreen platform. The runs are split into rounds that
# alternate between the programs, each round in another order, and the
# summary gives the medians over all runs with the ratios of the medians, and
# the medians of the ratios of runs paired within their rounds.
# Usage: bench/startup/run.sh <build folder>
# The build folder is configured with -DKORVANTA_BENCH=ON and a Release build.
# RUNS (default 60, at least 20) sets the runs per program, ROUNDS (default
# 20) the rounds they are split into.
set -euo pipefail

goal=1.05
runs=${RUNS:-60}
rounds=${ROUNDS:-20}
warmup=1

if (($# != 1)); then
  echo "usage: $0 <build folder>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
names=(korvanta plain-qt bare-qt)
programs=("$build/bench/startup/korvanta_startup_bench" "$build/bench/startup/korvanta_plain_qt_bench"
          "$build/bench/startup/korvanta_bare_qt_bench")
for program in "${programs[@]}"; do
  if [[ ! -x $program ]]; then
    echo "$program is missing: build the folder with -DKORVANTA_BENCH=ON first" >&2
    exit 2
  fi
done
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [[ $build_type != Release ]]; then
  echo "warning: $build is a '${build_type:-unknown}' build; compare Release builds" >&2
fi
if ((runs < 20 || rounds < 1 || runs % rounds != 0)); then
  echo "RUNS must be at least 20 and a multiple of ROUNDS" >&2
  exit 2
fi
per_round=$((runs / rounds))

if ! command -v hyperfine >/dev/null; then
  echo "Installing hyperfine"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends hyperfine
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Every program gets the same private runtime folder, so none warns about
# or creates one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One Xvfb for every run; it picks a free display and writes its number.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r display_number <"$work/display"; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
xvfb_display=":$display_number"

# The median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The median of the ratios of program $2's runs to program $3's in the times
# file $1, each run paired with the other's run of the same number: both fell
# in the same round, close in time, so load that comes and goes between
# rounds (a shared machine) moves both alike. ROUNDS=RUNS pairs the closest.
paired_ratio() {
  awk -v a="$2" -v b="$3" '$1 == a { x[na++] = $2 } $1 == b { y[nb++] = $2 }
    END { for (i = 0; i < na && i < nb; i++) print x[i] / y[i] }' "$1" | median
}

# Runs the rounds in the environment that the arguments give (env's -u NAME
# and NAME=VALUE), collects every run's time and adds the medians and their
# ratios to the summary.
measure() {
  local label=$1
  shift
  local times="$work/$label.times"
  echo "== $label: $rounds rounds of $per_round runs per program, $warmup warm-up run each"
  : >"$times"
  local round i
  for ((round = 0; round < rounds; round++)); do
    # Each round starts with another program.
    local order=()
    for ((i = 0; i < ${#names[@]}; i++)); do
      local k=$(((round + i) % ${#names[@]}))
      order+=(-n "${names[k]}" "${programs[k]}")
    done
    env "$@" hyperfine -N --style none --warmup "$warmup" --runs "$per_round" \
      --export-json "$work/round.json" "${order[@]}" >/dev/null
    # hyperfine writes each run's time on a line of its own.
    awk '
      /"command":/ { gsub(/[",]/, "", $2); command = $2 }
      /"times": \[/ { in_times = 1; next }
      in_times && /\]/ { in_times = 0 }
      in_times { gsub(/[ ,]/, ""); print command, $0 * 1000 }
    ' "$work/round.json" >>"$times"
  done
  local -A med
  local name
  for name in "${names[@]}"; do
    med[$name]=$(awk -v c="$name" '$1 == c { print $2 }' "$times" | median)
  done
  awk -v label="$label" -v goal="$goal" -v k="${med[korvanta]}" -v p="${med[plain-qt]}" \
      -v b="${med[bare-qt]}" -v n="$runs" -v kp="$(paired_ratio "$times" korvanta plain-qt)" \
      -v kb="$(paired_ratio "$times" korvanta bare-qt)" 'BEGIN {
    printf "%s, medians of %d runs each: korvanta %.1f ms, plain Qt same window %.1f ms, bare Qt empty window %.1f ms\n",
           label, n, k, p, b
    printf "  korvanta / same window %.3f (goal %s: %s), korvanta / empty window %.3f\n",
           k / p, goal, k / p <= goal ? "met" : "missed", k / b
    printf "  medians of the %d paired runs%s ratios: korvanta / same window %.3f, korvanta / empty window %.3f\n",
           n, "\047", kp, kb
  }' >>"$work/summary"
}

machine=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
echo "Machine: ${machine:-unknown CPU}, $(nproc) CPUs, $(uname -sr)" >"$work/summary"
measure xvfb DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb
measure offscreen -u DISPLAY QT_QPA_PLATFORM=offscreen

echo
cat "$work/summary"
