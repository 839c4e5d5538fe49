#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=${MOTIVIEW_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOTIVIEW_WERROR="${MOTIVIEW_WERROR:-ON}" -DMOTIVIEW_CORE_ONLY="${MOTIVIEW_CORE_ONLY:-OFF}" ${MOTIVIEW_CMAKE_ARGS:-}
cmake --build "$build" -j "$(nproc)"

cd "$build"
export QT_QPA_PLATFORM=offscreen
# Unit suites (core), widget suites on the offscreen platform, and end-to-end runs against
# the simulator on pseudo-terminals.
ctest --output-on-failure -j "$(nproc)" --timeout 300
