# Shared by the benchmark scripts: sourced after build= and runs= are set. Gives cli, sim, a
# scratch folder $work removed at exit, simulators on pseudo-terminals and medians.
cli=$build/tools/cli/motiview-cli
sim=$build/tools/sim/motiview-sim
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

start_sim() { # name, extra args...: a simulator linked at $work/name
    local name=$1; shift
    rm -f "$work/$name"
    "$sim" --link "$work/$name" --max-seconds 600 "$@" >/dev/null 2>&1 &
    for _ in $(seq 50); do [ -e "$work/$name" ] && return; sleep 0.05; done
    echo "simulator did not start" >&2; exit 1
}

stop_sims() {
    kill $(jobs -p) 2>/dev/null || true
    wait 2>/dev/null || true
}

median() { # microseconds, one a line, in; the median in milliseconds out
    sort -n | awk '{v[NR]=$1} END {printf "%.2f", v[int((NR+1)/2)]/1000}'
}

ms_of() { # runs the command $runs times, prints the median in ms
    local t=()
    for _ in $(seq "$runs"); do
        local a b
        a=$(date +%s%N); "$@" >/dev/null; b=$(date +%s%N)
        t+=($(( (b - a) / 1000 )))
    done
    printf '%s\n' "${t[@]}" | median
}
