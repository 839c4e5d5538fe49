#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=${MOTIVIEW_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOTIVIEW_WERROR="${MOTIVIEW_WERROR:-ON}" -DMOTIVIEW_CORE_ONLY="${MOTIVIEW_CORE_ONLY:-ON}" ${MOTIVIEW_CMAKE_ARGS:-}
# The core suites (conversions, frames, receiver, codec over all eleven pages, fuzz corpus
# replays). The widget and end-to-end suites join once the windows build.
cmake --build "$build" -j "$(nproc)" --target motiview_unit_tests

cd "$build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc)" --timeout 300 -L unit
