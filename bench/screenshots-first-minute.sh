#!/usr/bin/env bash
# The README's pictures of the first minute: the window before the first status frame (the way
# to connect across the panels), and after the controller was lost (the last data, dimmed).
# Run under a virtual display:  xvfb-run -a -s "-screen 0 1100x800x24" bench/screenshots-first-minute.sh
# The build in build/ (or $MOTIVIEW_BUILD_DIR) must be current.
set -u
cd "$(dirname "$0")/.."
build=${MOTIVIEW_BUILD_DIR:-build}
link=${TMPDIR:-/tmp}/motiview-shot-com1-$$
home=$(mktemp -d) # no remembered settings: a first start
trap 'kill $app $sim 2>/dev/null; rm -rf "$home"' EXIT
shot() { import -window root "$1.full.png" && convert "$1.full.png" -crop 853x666+0+0 +repage "$1" && rm -f "$1.full.png"; }

HOME=$home XDG_CONFIG_HOME=$home "$build"/src/app/motiview >/dev/null 2>&1 &
app=$!
sleep 3
shot docs/first-start.png
kill $app; wait $app 2>/dev/null

# A controller that answers for a few seconds, then its cable is pulled.
"$build"/tools/sim/motiview-sim --link "$link" --hangup-after 5 --user-name Tech-42 >/dev/null 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
MOTIVIEW_COM1=$link HOME=$home XDG_CONFIG_HOME=$home "$build"/src/app/motiview --port 1 >/dev/null 2>&1 &
app=$!
sleep 10
shot docs/data-lost.png
