#!/usr/bin/env bash
# Takes the README's pictures the way a user sees the tool: the real program against the
# simulator on a pseudo-terminal, driven through the settings dialog with xdotool.
# Run under a virtual display:  xvfb-run -a -s "-screen 0 1100x800x24" bench/screenshots.sh
# Needs the xdotool package; the build in build/ (or $MOTIVIEW_BUILD_DIR) must be current.
set -u
cd "$(dirname "$0")/.."
build=${MOTIVIEW_BUILD_DIR:-build}
link=${TMPDIR:-/tmp}/motiview-shot-com1-$$
"$build"/tools/sim/motiview-sim --link "$link" --fault over-heat --history-faults 0x0005 \
  --user-name Tech-42 >/dev/null 2>&1 &
sim=$!
trap 'kill "$app" "$sim" 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
MOTIVIEW_COM1="$link" "$build"/src/app/motiview >/dev/null 2>&1 &
app=$!
sleep 3
win=$(xdotool search --name "EV Motiview" | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool windowfocus "$win"
shot() { import -window root "$1.full.png" && convert "$1.full.png" -crop 853x666+0+0 +repage "$1" && rm -f "$1.full.png"; }
# Options > Com Setting..., port 1 from the list, Ok.
xdotool key --window "$win" alt+o
sleep 0.5
xdotool key Return
sleep 1.5
xdotool mousemove 456 227 click 1
sleep 0.7
xdotool key Return
sleep 0.7
shot docs/settings-dialog.png
xdotool key Return
# Online within two polls; the values move once a second.
sleep 6
shot docs/main-window.png
