#!/usr/bin/env bash
# Pictures of the parameter sets as a user sees them: a file saved from one controller with
# the command line, then the real program against another one, File > Compare with file...,
# File > Restore parameters..., and a page with a stored-value note and an edited field.
# Run under a virtual display:  xvfb-run -a -s "-screen 0 1100x800x24" bench/screenshots-parameters.sh
# Needs xdotool; the build in build/ (or $MOTIVIEW_BUILD_DIR) must be current.
set -u
cd "$(dirname "$0")/.."
build=${MOTIVIEW_BUILD_DIR:-build}
tmp=$(mktemp -d)
link=$tmp/com1
file=$tmp/bench-7.json
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$tmp"' EXIT
shot() { import -window root "$2.full.png" && convert "$2.full.png" -crop "$1" +repage "$2" && rm -f "$2.full.png"; }

# The saved controller: other speeds, gains and a current limit than the one on the bench.
"$build"/tools/sim/motiview-sim --link "$link" --set basic.txtMaxspeed=4600 \
  --set basic.txtBspeed=-1200 --set motor.txtPolePairN=5 --set hardware.txtSNNum=1001 \
  --user-name Tech-42 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
"$build"/tools/cli/motiview-cli backup --port "$link" "$file" >/dev/null
kill "${pids[@]}"; wait 2>/dev/null; pids=()
rm -f "$link"

"$build"/tools/sim/motiview-sim --link "$link" --user-name Tech-42 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
MOTIVIEW_COM1="$link" "$build"/src/app/motiview >/dev/null 2>&1 &
pids+=($!)
sleep 3
win=$(xdotool search --name "EV Motiview" | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool windowfocus "$win"
# Options > Com Setting..., port 1 from the list, Ok; online within two polls.
xdotool key --window "$win" alt+o
sleep 0.5
xdotool key Return
sleep 1.5
xdotool mousemove 456 227 click 1
sleep 0.7
xdotool key Return
sleep 0.7
xdotool key Return
sleep 4

# File > Compare with file...: the file dialog takes the path.
xdotool key --window "$win" alt+f
sleep 0.4
xdotool key Down Return
sleep 1.2
xdotool type --delay 20 "$file"
xdotool key Return
sleep 3
shot 720x480+0+0 docs/compare-window.png
xdotool key Escape
xdotool search --name "Compare with" windowclose 2>/dev/null || true
sleep 0.5

# File > Restore parameters...
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key --window "$win" alt+f
sleep 0.4
xdotool key Down Down Return
sleep 1.2
xdotool type --delay 20 "$file"
xdotool key Return
sleep 3
shot 900x480+0+0 docs/restore-window.png
xdotool search --name "Restore from" windowclose 2>/dev/null || true
sleep 0.5
