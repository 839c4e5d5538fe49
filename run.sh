#!/usr/bin/env bash
# Installs what is missing, builds in build/, starts the controller simulator on a
# pseudo-terminal and starts the tool on COM 1 pointing at it, connected at once (--port 1).
# Extra arguments go to the simulator (e.g. --fault hall).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target motiview motiview-sim motiview-cli

link="${TMPDIR:-/tmp}/motiview-com1-$$"
./build/tools/sim/motiview-sim --link "$link" "$@" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done

echo "Simulator on $link (COM 1); the tool opens it at start."
MOTIVIEW_COM1="$link" ./build/src/app/motiview --port 1
