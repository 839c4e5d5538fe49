#!/usr/bin/env bash
# clang-tidy with .clang-tidy over the core libraries (no Qt), at zero findings.
# Usage: scripts/check-tidy.sh BUILD_DIR   (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
files=$(git ls-files 'src/base/*.cpp' 'src/link/*.cpp' 'src/pages/*.cpp' 'src/params/*.cpp' \
  'src/monitor/*.cpp' 'src/jobs/*.cpp' 'src/history/*.cpp' 'src/report/*.cpp' | grep -v '/qt/')
# The generated sources (moc) are not needed: the core has none.
run-clang-tidy -quiet -p "$build" -j "$(nproc)" $files > "$build/clang-tidy.log" 2>&1 || {
  grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
  echo "clang-tidy: findings above (whole log in $build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: clean ($(echo $files | wc -w) files)"
