#!/usr/bin/env bash
# Builds the Debian package: a release build in build-release/ without tests and benchmarks,
# then `cpack -G DEB`. Prints the path of the .deb on the last line.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${MOTIVIEW_RELEASE_DIR:-build-release}
# Warnings stay warnings here: at -O3 GCC 12 reports false overlaps inside std::string that
# the -O2 test build (with -Werror) does not.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOTIVIEW_WERROR=OFF \
  -DMOTIVIEW_BUILD_TESTS=OFF -DMOTIVIEW_BUILD_BENCH=OFF
cmake --build "$build" -j "${MOTIVIEW_JOBS:-$(nproc)}"
(cd "$build" && cpack -G DEB)

deb=$(ls -t "$build"/motiview_*.deb | head -n 1)
realpath "$deb"
