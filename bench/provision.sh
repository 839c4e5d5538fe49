#!/usr/bin/env bash
# Time per unit on the production line: motiview-cli provision against the simulator on a
# pseudo-terminal, each unit writing ten pages (two golden files that differ on every page but
# hardware, used in turn), beside the wire time of the unit's frames at 57600 baud:
#   the probe (status and hardware read, 2 x 35 bytes) and the user name (32), the status and
#   eleven reads (12 x 35), ten writes each with its acknowledgement and read-back
#   (10 x 99), the status after (35): 1547 bytes x 10 bits / 57600 = 268.6 ms.
# The pseudo-terminal has no baud rate, so the figures are the tool's own costs (process start,
# port, history, log sync) plus the simulator's answer delay.
#   bench/provision.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
source "$(dirname "$0")/lib.sh"
export MOTIVIEW_HISTORY=$work/history.sqlite

sets=(--set basic.txtMaxspeed=5100 --set reference.txtVoltageH=90 --set motor.txtPolePairN=7
      --set control.txtbackSteps=33 --set torque-pid.txtTKiGain=5 --set protection.txtIacLimit=97
      --set mode-set.txtBstActiveSec=6 --set other.txtTrefdelay=21 --set flux-weaken.txtPrintfP=41
      --set derate.txtSpeedstep=410)
start_sim other "${sets[@]}"
"$cli" backup --port "$work/other" --no-history "$work/b.json" >/dev/null
start_sim unit
"$cli" backup --port "$work/unit" --no-history "$work/a.json" >/dev/null

whole=()
for i in $(seq "$runs"); do
    golden=$work/b.json
    [ $((i % 2)) -eq 0 ] && golden=$work/a.json
    a=$(date +%s%N)
    "$cli" provision "$golden" --port "$work/unit" --log "$work/line.csv" >/dev/null 2>&1
    b=$(date +%s%N)
    whole+=($(( (b - a) / 1000 )))
done
echo "units: $runs, each writing $(awk -F, 'NR==2 {print $6}' "$work/line.csv") pages"
echo "provision, whole process: $(printf '%s\n' "${whole[@]}" | median) ms per unit (median)"
echo "one status request, whole process: $(ms_of "$cli" status --port "$work/unit") ms"
echo "unit time in the log (read, write, verify, status): $(awk -F, 'NR>1 {print $12*1000000}' "$work/line.csv" | median) ms (median)"
echo "wire time of the unit's frames at 57600 baud: 268.6 ms"
