#!/usr/bin/env bash
# The scripts do what the README says. Each case runs the real scripts in a
# copy of the source tree (its folders linked, its scripts copied), so that
# nothing here touches the tree's own build folders, with cmake, ctest and
# the slow or interactive steps (set-up, fuzzing, the program itself)
# replaced by stand-ins that record how they were called.
#
#   tests/scripts/scripts_test.sh CASE
set -euo pipefail

source_root=$(cd "$(dirname "$0")/../.." && pwd)
case_name=${1:?usage: $0 CASE}

fail() {
  echo "scripts: $case_name: FAILED: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
stubs=$work/stubs
calls=$work/calls  # one line per call of a stand-in
mkdir -p "$root/scripts" "$root/.ci" "$stubs"
touch "$calls"
for entry in "$source_root"/*; do
  name=$(basename "$entry")
  [[ $name == scripts || $name == build* ]] && continue
  ln -s "$entry" "$root/$name"
done
cp "$source_root"/scripts/*.sh "$root/scripts/"
cp "$source_root/.ci/run" "$root/.ci/run"
# Everything is installed already; the set-up's apt-get is not under test.
printf '#!/usr/bin/env bash\n' >"$root/scripts/setup.sh"

# cmake: records every call. A configure call runs the real cmake when
# STUB_CMAKE_CONFIGURES is set; a build makes a stand-in program, which says
# that it started.
real_cmake=$(command -v cmake)
cat >"$stubs/cmake" <<EOF
#!/usr/bin/env bash
echo "cmake \$*" >>"$calls"
if [[ \$1 == --build ]]; then
  mkdir -p -- "\$2/shell"
  printf '#!/usr/bin/env bash\necho "korvanta \$*" >>"$calls"\n' >"\$2/shell/korvanta"
  chmod +x -- "\$2/shell/korvanta"
elif [[ -n \${STUB_CMAKE_CONFIGURES:-} ]]; then
  exec "$real_cmake" "\$@" >/dev/null
fi
EOF
# ctest: records every call, or runs the real ctest when STUB_CTEST_RUNS is set.
real_ctest=$(command -v ctest)
cat >"$stubs/ctest" <<EOF
#!/usr/bin/env bash
echo "ctest \$*" >>"$calls"
if [[ -n \${STUB_CTEST_RUNS:-} ]]; then exec "$real_ctest" "\$@"; fi
EOF
chmod +x "$stubs/cmake" "$stubs/ctest"
export PATH=$stubs:$PATH

configure_call() {  # the configure call of cmake into folder $1
  grep -E "^cmake -S $root -B $1( |\$)" "$calls" || true
}

case $case_name in
  build_takes_no_option_for_its_folder)
    # Without a folder, the first argument is an option for CMake.
    (cd "$root" && ./scripts/build.sh -DKORVANTA_BENCH=ON -DKORVANTA_SHELL_DEMO=ON) || fail "build.sh failed"
    configure=$(configure_call "$root/build")
    [[ -n $configure ]] || fail "cmake was not configured into build/: $(cat "$calls")"
    [[ $configure == *" -DKORVANTA_BENCH=ON -DKORVANTA_SHELL_DEMO=ON" ]] ||
      fail "the options did not reach CMake: $configure"
    grep -qx "cmake --build $root/build" "$calls" || fail "build/ was not built: $(cat "$calls")"
    # A folder first, then --target, still works as before.
    : >"$calls"
    (cd "$root" && ./scripts/build.sh "$root/elsewhere" --target korvanta -DX=1) ||
      fail "build.sh FOLDER --target failed"
    [[ $(configure_call "$root/elsewhere") == *" -DX=1" ]] || fail "$(cat "$calls")"
    grep -qx "cmake --build $root/elsewhere --target korvanta" "$calls" || fail "$(cat "$calls")"
    ;;

  test_fails_when_no_test_is_found)
    # A build folder in which CTest finds no test at all: the test command
    # fails instead of reporting success.
    export STUB_CTEST_RUNS=1
    mkdir -p "$root/build"
    if output=$(cd "$root" && ./scripts/test.sh 2>&1); then
      fail "the test command passed with no test found: $output"
    fi
    [[ $output == *"No tests were found"* ]] || fail "no word of the missing tests: $output"
    ;;

  run_leaves_warnings_as_warnings)
    # The test command first, as a maintainer runs it, then the program.
    export STUB_CMAKE_CONFIGURES=1
    (cd "$root" && ./scripts/test.sh) || fail "test.sh failed"
    grep -q '^CMAKE_COMPILE_WARNING_AS_ERROR:[A-Z]*=ON$' "$root/build/CMakeCache.txt" ||
      fail "the test command did not make warnings errors"
    (cd "$root" && ./scripts/run.sh --an-argument) || fail "run.sh failed"
    grep -q '^CMAKE_COMPILE_WARNING_AS_ERROR:[A-Z]*=OFF$' "$root/build/CMakeCache.txt" ||
      fail "run.sh kept warnings as errors: $(grep WARNING_AS_ERROR "$root/build/CMakeCache.txt")"
    grep -qx "cmake --build $root/build --target korvanta" "$calls" || fail "$(cat "$calls")"
    grep -qx "korvanta --an-argument" "$calls" || fail "the program did not start: $(cat "$calls")"
    ;;

  ci_runs_the_smoke_test_always)
    # The smoke test without its run bit, as a checkout or a copy can leave it.
    printf '#!/usr/bin/env bash\necho "smoke $*" >>"%s"\n' "$calls" >"$root/scripts/smoke.sh"
    chmod a-x "$root/scripts/smoke.sh"
    mkdir -p "$root/build-fuzz/fuzz"
    printf '#!/usr/bin/env bash\necho "fuzz $*" >>"%s"\n' "$calls" \
      >"$root/build-fuzz/fuzz/korvanta_fuzz_readers"
    chmod +x "$root/build-fuzz/fuzz/korvanta_fuzz_readers"
    (cd "$root" && bash .ci/run) >/dev/null || fail ".ci/run failed"
    grep -qx "smoke $root/build" "$calls" || fail "the smoke test did not run: $(cat "$calls")"
    # Every CTest run of CI fails where it finds no test.
    ctest_runs=$(grep -c '^ctest ' "$calls")
    ((ctest_runs == 2)) || fail "$ctest_runs CTest runs, not 2: $(cat "$calls")"
    if grep '^ctest ' "$calls" | grep -v -- '--no-tests=error'; then
      fail "a CTest run that passes with no test"
    fi
    ;;

  *)
    fail "no such case"
    ;;
esac
echo "scripts: $case_name: passed"
