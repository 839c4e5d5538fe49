#!/usr/bin/env bash
# Runs every GoogleTest executable of a build once, whole, instead of one process per test as
# ctest does: the sanitizer pass needs every test run, not a report per test, and one process
# per executable takes seconds instead of minutes. The other tests (the fuzz corpora) run
# through ctest. Usage: scripts/run-suites.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: scripts/run-suites.sh BUILD_DIR}" && pwd)
export QT_QPA_PLATFORM=offscreen LC_ALL=C
failed=0
# The executables the build's own test lists name (stale ones from older layouts are ignored).
mapfile -t suites < <(grep -ho 'include("[^"]*\[1\]_include.cmake")' "$build"/tests/*/CTestTestfile.cmake |
  sed -E 's/include\("(.*)\[1\]_include\.cmake"\)/\1/')
for exe in "${suites[@]}"; do
  start=$(date +%s)
  if "$exe" --gtest_brief=1 > "$exe.log" 2>&1; then
    echo "passed: ${exe#$build/} ($(( $(date +%s) - start )) s, $(grep -oE '[0-9]+ tests? from [0-9]+ test suites? ran' "$exe.log" | head -n 1))"
  else
    echo "FAILED: ${exe#$build/}"; cat "$exe.log"; failed=1
  fi
done
(cd "$build" && ctest --output-on-failure -j "$(nproc)" -R '^fuzz_replay_') || failed=1
exit "$failed"
