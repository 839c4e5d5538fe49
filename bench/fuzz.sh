#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 60) and prints executions per second.
# Builds the libFuzzer targets with clang in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOTIVIEW_FUZZ=ON -DMOTIVIEW_BUILD_BENCH=OFF >/dev/null
targets=(receive pages status user_name text params)
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"
for t in "${targets[@]}"; do
  work=$(mktemp -d)
  cp tests/fuzz/corpus/"$t"/* "$work"/
  log=$(mktemp)
  if ./build-fuzz/tests/fuzz/fuzz_"$t" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/crash-$t-" "$work" >"$log" 2>&1; then
    status=ok
  else
    status=CRASH
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  printf '%-10s %-6s %10s runs  %8s exec/s  corpus %s\n' "$t" "$status" "$runs" \
    "$((runs / seconds))" "$(ls "$work" | wc -l)"
  rm -rf "$work" "$log"
done
