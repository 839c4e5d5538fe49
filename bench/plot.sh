#!/usr/bin/env bash
# motiview-cli plot over an hour's recording (36,000 rows at ten a second): a few seconds from
# the simulator repeated along the clock. Whole processes, so start-up and reading the file are
# in the figures: the whole hour as PNG and as PDF, and one minute of it.
#   bench/plot.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
source "$(dirname "$0")/lib.sh"
export MOTIVIEW_HISTORY=$work/history.sqlite

start_sim unit --fault over-heat
"$cli" record "$work/short.csv" --seconds 10 --rate 10 --port "$work/unit" >/dev/null 2>&1
stop_sims
# Row i of the hour is row i mod n of the short recording at i/10 s.
awk -F, -v OFS=, 'NR == 1 { print; next } { row[++n] = $0 }
    END { for (i = 0; i < 36000; ++i) { $0 = row[i % n + 1]; $2 = sprintf("%.3f", i / 10); print } }' \
    "$work/short.csv" > "$work/hour.csv"
echo "recording: $(($(wc -l < "$work/hour.csv") - 1)) rows, $(du -k "$work/hour.csv" | cut -f1) KiB"
echo "plot, the hour as PNG 1600x900: $(ms_of "$cli" plot "$work/hour.csv" --out "$work/h.png" --size 1600x900) ms (median)"
echo "plot, the hour as PDF: $(ms_of "$cli" plot "$work/hour.csv" --out "$work/h.pdf") ms (median)"
echo "plot, one minute as PNG: $(ms_of "$cli" plot "$work/hour.csv" --out "$work/m.png" --from 1800 --to 1860) ms (median)"
echo "plot --help (process start alone): $(ms_of "$cli" plot --help) ms (median)"
