#!/usr/bin/env bash
# The whole test run: setup, the three builds, the native tests, the 64-bit
# tests under Wine, the link and formatting checks; ends with "N passed, N failed".
set -u
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
. scripts/wine-env.sh

passed=0
failed=0
started=$(date +%s)

step_ok() { passed=$((passed + 1)); }
step_failed() { failed=$((failed + 1)); echo "FAILED: $*"; }

for preset in native win64 win32; do
  if cmake --preset "$preset" >"build-$preset.log" 2>&1 && cmake --build --preset "$preset" >>"build-$preset.log" 2>&1; then
    step_ok
  else
    tail -40 "build-$preset.log"
    step_failed "build $preset"
  fi
  rm -f "build-$preset.log"
done

# Counts the GoogleTest cases of one preset from the XML reports; a test
# executable that CTest saw fail without a failing case in its report
# (a crash, a hang) counts as one failure of its own.
count_results() {
  local preset=$1 results=$2 xml name tests fails errors
  for xml in "$results"/*.xml; do
    [ -e "$xml" ] || continue
    read -r tests fails errors < <(sed -n 's/.*<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="[0-9]*" errors="\([0-9]*\)".*/\1 \2 \3/p' "$xml" | head -1)
    passed=$((passed + ${tests:-0} - ${fails:-0} - ${errors:-0}))
    failed=$((failed + ${fails:-0} + ${errors:-0}))
  done
  local log=build/$preset/Testing/Temporary/LastTestsFailed.log
  [ -f "$log" ] || return 0
  while IFS=: read -r _ name; do
    xml=$results/$name.xml
    if [ ! -s "$xml" ] || ! grep -q '<failure' "$xml"; then
      step_failed "$preset test $name (crashed, hung or wrote no report)"
    fi
  done <"$log"
}

run_ctest() {
  local preset=$1
  local results=$root/build/test-results/$preset report=$root/build/test-results/$preset/
  rm -rf "$results" "build/$preset/Testing/Temporary/LastTestsFailed.log"
  mkdir -p "$results"
  [ -f "build/$preset/CTestTestfile.cmake" ] || { step_failed "$preset tests not built"; return; }
  # GoogleTest under Wine takes only a drive-letter path as absolute.
  [ "$preset" = win64 ] && report="$(winepath -w "$results")\\"
  GTEST_OUTPUT="xml:$report" timeout 3000 ctest --preset "$preset" || true
  count_results "$preset" "$results"
}

run_ctest native

# A few seconds of each fuzz target: one pass per target that found nothing.
while read -r line; do
  case $line in *": "*" 0 findings") step_ok ;; *findings | "fuzz build failed") step_failed "fuzz $line" ;; esac
done < <(fuzz/fuzz.sh 5)

# The release packages driven as a user would; its checks count here.
run_installer_tests() {
  local log=$root/build/test-installer.log counts
  timeout 600 scripts/test-installer.sh >"$log" 2>&1
  counts=$(sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$log" | tail -1)
  if [ -z "$counts" ]; then
    tail -20 "$log"
    step_failed "installer tests (no result, see $log)"
    return
  fi
  grep '^FAILED' "$log"
  passed=$((passed + ${counts% *}))
  failed=$((failed + ${counts#* }))
}

cleanup() { wine_env_stop; }
trap cleanup EXIT
trap 'exit 130' INT TERM
wine_env_start own-display
run_ctest win64
wine_env_stop
# A prefix of their own: nothing the tests above left behind meets the installer.
wine_env_start own-display
run_installer_tests
wine_env_stop
trap - EXIT

if scripts/check-links.sh; then
  step_ok
else
  step_failed "README and docs link files that git does not hold"
fi

if python3 scripts/check-layers.py; then
  step_ok
else
  step_failed "an include or a link goes up a layer or across to another program"
fi

if scripts/check-style.sh; then
  step_ok
else
  step_failed "conventions (braces, file and function length)"
fi

if git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c' | xargs -r clang-format --dry-run --Werror; then
  step_ok
else
  step_failed "formatting (clang-format)"
fi

echo "test run took $(($(date +%s) - started)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
