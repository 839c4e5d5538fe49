#!/usr/bin/env bash
# Times of a controller session from the command line against the simulator on a
# pseudo-terminal: a backup of all eleven pages and a restore with read-back of ten pages
# (hardware skipped), each set against one status request so that process start-up and port
# opening drop out. Prints milliseconds per page beside the wire time at 57600 baud (a 3-byte
# request and a 32-byte answer: 35 x 10 bits / 57600 = 6.1 ms; a write with its acknowledgement
# and read-back: 2 x 35 x 10 / 57600 = 12.2 ms). The pseudo-terminal has no baud rate, so these
# are the tool's own costs plus the simulator's answer delay.
#   bench/cli_sessions.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
cli=$build/tools/cli/motiview-cli
sim=$build/tools/sim/motiview-sim
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

start_sim() { # name, extra args...
    local name=$1; shift
    "$sim" --link "$work/$name" --max-seconds 600 "$@" >/dev/null 2>&1 &
    for _ in $(seq 50); do [ -e "$work/$name" ] && return; sleep 0.05; done
    echo "simulator did not start" >&2; exit 1
}

ms_of() { # runs the command $runs times, prints the median in ms
    local t=()
    for _ in $(seq "$runs"); do
        local a b
        a=$(date +%s%N); "$@" >/dev/null; b=$(date +%s%N)
        t+=($(( (b - a) / 1000 )))
    done
    printf '%s\n' "${t[@]}" | sort -n | awk '{v[NR]=$1} END {printf "%.2f", v[int((NR+1)/2)]/1000}'
}

start_sim a
export MOTIVIEW_PORT=$work/a
"$cli" backup "$work/saved.json" >/dev/null
status_ms=$(ms_of "$cli" status)
backup_ms=$(ms_of "$cli" backup "$work/again.json")

# Another controller: one field differs on every page but hardware.
sets=(--set basic.txtMaxspeed=5100 --set reference.txtVoltageH=90 --set motor.txtPolePairN=7
      --set control.txtbackSteps=33 --set torque-pid.txtTKiGain=5 --set protection.txtIacLimit=97
      --set mode-set.txtBstActiveSec=6 --set other.txtTrefdelay=21 --set flux-weaken.txtPrintfP=41
      --set derate.txtSpeedstep=410)
restore_total=()
for _ in $(seq "$runs"); do
    kill %1 2>/dev/null || true; wait 2>/dev/null || true
    rm -f "$work/b"
    start_sim b "${sets[@]}"
    a=$(date +%s%N)
    MOTIVIEW_PORT=$work/b "$cli" restore "$work/saved.json" >/dev/null
    b=$(date +%s%N)
    restore_total+=($(( (b - a) / 1000 )))
done
restore_ms=$(printf '%s\n' "${restore_total[@]}" | sort -n |
    awk '{v[NR]=$1} END {printf "%.2f", v[int((NR+1)/2)]/1000}')

awk -v s="$status_ms" -v b="$backup_ms" -v r="$restore_ms" 'BEGIN {
    printf "status request (start-up, open, one exchange): %7.2f ms\n", s
    printf "backup, 11 pages:                              %7.2f ms  %5.2f ms/page (wire 6.1)\n", b, (b - s) / 11
    printf "restore, 10 reads + 10 writes with read-back:  %7.2f ms  %5.2f ms/page (wire 6.1 + 12.2)\n", r, (r - s) / 10
}'
