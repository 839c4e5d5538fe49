#!/usr/bin/env bash
# The main window and the Motor page in German and in Chinese, as docs/lang-<code>-main.png and
# docs/lang-<code>-motor.png: the real program against the simulator, the language chosen in a
# settings file of its own. Needs xdotool and the CJK font (fonts-noto-cjk).
# Run under a virtual display:  xvfb-run -a -s "-screen 0 1100x800x24" bench/screenshots-languages.sh
set -u
cd "$(dirname "$0")/.."
build=${MOTIVIEW_BUILD_DIR:-build}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# code, where the Motor button is in that language's main window
for entry in "de 776 132" "zh_CN 795 137"; do
  read -r code x y <<<"$entry"
  export XDG_CONFIG_HOME=$work/config-$code MOTIVIEW_HISTORY=$work/history-$code.sqlite
  mkdir -p "$XDG_CONFIG_HOME/motiview"
  printf '[window]\nlanguage=%s\n' "$code" > "$XDG_CONFIG_HOME/motiview/motiview.ini"
  "$build"/tools/sim/motiview-sim --link "$work/com-$code" --fault over-heat \
    --history-faults 0x0005 --user-name Tech-42 >/dev/null 2>&1 &
  sim=$!
  for _ in $(seq 50); do [ -e "$work/com-$code" ] && break; sleep 0.1; done
  "$build"/src/app/motiview --port "$work/com-$code" >/dev/null 2>&1 &
  app=$!
  sleep 6 # online, and the values have moved
  import -window root "$work/full.png"
  convert "$work/full.png" -crop 873x666+0+0 +repage "docs/lang-$code-main.png"
  xdotool mousemove "$x" "$y" click 1
  sleep 2
  page=$(xdotool search --onlyvisible --name "Motor|电机" | tail -1)
  import -window "$page" "docs/lang-$code-motor.png"
  kill "$app" "$sim"
  wait "$app" "$sim" 2>/dev/null
done
