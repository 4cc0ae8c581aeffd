#!/usr/bin/env bash
# Measures Korvanta's start-up against a bare Qt Widgets program with
# hyperfine, under one Xvfb and on Qt's offscreen platform, and prints the
# ratio of the means. Usage: bench/startup/run.sh <build folder>
# The build folder is configured with -DKORVANTA_BENCH=ON and a Release build.
# RUNS (default 30, at least 20) sets the runs per program, ROUNDS (default
# 6) the rounds they are split into.
set -euo pipefail

goal=1.15
runs=${RUNS:-30}
rounds=${ROUNDS:-6}
warmup=3

if (($# != 1)); then
  echo "usage: $0 <build folder>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
korvanta="$build/bench/startup/korvanta_startup_bench"
bare="$build/bench/startup/korvanta_bare_qt_bench"
for program in "$korvanta" "$bare"; do
  if [[ ! -x $program ]]; then
    echo "$program is missing: build the folder with -DKORVANTA_BENCH=ON first" >&2
    exit 2
  fi
done
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [[ $build_type != Release ]]; then
  echo "warning: $build is a '${build_type:-unknown}' build; compare Release builds" >&2
fi
if ((runs < 20 || rounds < 1 || runs % rounds != 0 || runs / rounds < 2)); then
  echo "RUNS must be at least 20 and a multiple of ROUNDS, with at least 2 runs a round" >&2
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

# Both programs get the same private runtime folder, so neither warns about
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

# Runs hyperfine on both programs in the environment that the arguments give
# (env's -u NAME and NAME=VALUE) and adds the means over all runs, the
# deviations and the ratio of the means to the summary. The runs are split
# into rounds that alternate between the programs, so a change in the load
# of a shared machine falls on both alike.
measure() {
  local label=$1
  shift
  local csv="$work/$label.csv"
  echo "== $label: $rounds rounds of $per_round runs each, $warmup warm-up runs per round"
  : >"$csv"
  local round
  for ((round = 1; round <= rounds; round++)); do
    env "$@" hyperfine -N --style none --warmup "$warmup" --runs "$per_round" \
      --export-csv "$work/round.csv" -n korvanta "$korvanta" -n bare-qt "$bare"
    awk -F, -v round="$round" 'NR > 1 { print round "," $1 "," $2 "," $3 }' "$work/round.csv" >>"$csv"
    awk -F, -v round="$round" -v rounds="$rounds" '
      $1 == round { mean[$2] = $3 * 1000 }
      END { printf "  round %d/%d: korvanta %.1f ms, bare Qt %.1f ms, ratio %.3f\n", round, rounds,
                   mean["korvanta"], mean["bare-qt"], mean["korvanta"] / mean["bare-qt"] }
    ' "$csv"
  done
  # Every round has the same number of runs: the overall mean is the mean of
  # the round means, and the overall variance adds the spread within and
  # between rounds.
  awk -F, -v label="$label" -v goal="$goal" -v n="$per_round" '
    { m[$2, ++k[$2]] = $3 * 1000; s[$2, k[$2]] = $4 * 1000 }
    END {
      for (c in k) {
        total = 0
        for (i = 1; i <= k[c]; ++i) total += m[c, i]
        mean[c] = total / k[c]
        sq = 0
        for (i = 1; i <= k[c]; ++i) sq += (n - 1) * s[c, i] ^ 2 + n * (m[c, i] - mean[c]) ^ 2
        sd[c] = sqrt(sq / (n * k[c] - 1))
      }
      ratio = mean["korvanta"] / mean["bare-qt"]
      printf "%s: korvanta %.1f ms +- %.1f ms, bare Qt %.1f ms +- %.1f ms, ratio %.3f (goal %s: %s)\n",
             label, mean["korvanta"], sd["korvanta"], mean["bare-qt"], sd["bare-qt"], ratio, goal,
             ratio <= goal ? "met" : "missed"
    }' "$csv" >>"$work/summary"
}

measure xvfb DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb
measure offscreen -u DISPLAY QT_QPA_PLATFORM=offscreen

echo
cat "$work/summary"
