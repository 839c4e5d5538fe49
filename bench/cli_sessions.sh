#!/usr/bin/env bash
# Times of a controller session from the command line against the simulator on a
# pseudo-terminal, on a clean line and on noisy ones: a backup of all eleven pages and a restore
# with read-back of ten pages (hardware skipped), each set against one status request so that
# process start-up and port opening drop out. Prints milliseconds per page beside the wire time
# at 57600 baud (a 3-byte request and a 32-byte answer: 35 x 10 bits / 57600 = 6.1 ms; a write
# with its acknowledgement and read-back: 2 x 35 x 10 / 57600 = 12.2 ms). The pseudo-terminal
# has no baud rate, so these are the tool's own costs plus the simulator's answer delay. On the
# noisy lines every garbled answer costs a drain (the line quiet for 20 ms) and a second request.
#   bench/cli_sessions.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
source "$(dirname "$0")/lib.sh"

# Another controller: one field differs on every page but hardware.
sets=(--set basic.txtMaxspeed=5100 --set reference.txtVoltageH=90 --set motor.txtPolePairN=7
      --set control.txtbackSteps=33 --set torque-pid.txtTKiGain=5 --set protection.txtIacLimit=97
      --set mode-set.txtBstActiveSec=6 --set other.txtTrefdelay=21 --set flux-weaken.txtPrintfP=41
      --set derate.txtSpeedstep=410)

measure() { # label, simulator noise args...
    local label=$1; shift
    start_sim a "$@"
    export MOTIVIEW_PORT=$work/a
    "$cli" backup "$work/saved.json" >/dev/null
    local status_ms backup_ms restore_ms
    status_ms=$(ms_of "$cli" status)
    backup_ms=$(ms_of "$cli" backup "$work/again.json")
    # The same pages every time (the user name comes once per connection and may be lost to the
    # noise with a garbled status answer).
    cmp -s <(grep -v -e '"created"' -e '"user_name"' "$work/saved.json") \
        <(grep -v -e '"created"' -e '"user_name"' "$work/again.json") ||
        { echo "$label: the backups differ" >&2; exit 1; }
    stop_sims
    local restore_total=()
    for _ in $(seq "$runs"); do
        start_sim b "${sets[@]}" "$@"
        local a b
        a=$(date +%s%N)
        MOTIVIEW_PORT=$work/b "$cli" restore "$work/saved.json" >/dev/null
        b=$(date +%s%N)
        restore_total+=($(( (b - a) / 1000 )))
        stop_sims
    done
    restore_ms=$(printf '%s\n' "${restore_total[@]}" | median)
    awk -v l="$label" -v s="$status_ms" -v b="$backup_ms" -v r="$restore_ms" 'BEGIN {
        printf "%-38s status %6.2f ms   backup %7.2f ms = %5.2f ms/page (wire 6.1)   restore %7.2f ms = %5.2f ms/page (wire 18.3)\n", l, s, b, (b - s) / 11, r, (r - s) / 10
    }'
}

measure "clean line"
measure "3 junk bytes before every 2nd answer" --noise-bytes 3 --noise-every 2
measure "answers in 5-byte pieces, 5 ms apart" --pieces 5
measure "junk every 2nd answer, in pieces" --noise-bytes 3 --noise-every 2 --pieces 7
