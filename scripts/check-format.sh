#!/usr/bin/env bash
# Fails when a C++ file under src, tools, tests or bench is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: clean"
