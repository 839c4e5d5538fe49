#!/usr/bin/env bash
# The translation check fails on a text nobody translated, and names it; without the planted
# text it passes.
#   planted_text.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/check-translations.sh" "$build" >/dev/null
cat > "$work/planted.cpp" <<'CPP'
QT_TRANSLATE_NOOP("motiview::MainWindow", "A text nobody translated");
CPP
if "$root/scripts/check-translations.sh" "$build" "$work/planted.cpp" 2>"$work/err"; then
  echo "the check passed with an untranslated text" >&2
  exit 1
fi
for code in de zh_CN; do
  grep -q "$code lacks 1 text" "$work/err" || { cat "$work/err" >&2; exit 1; }
done
grep -q "A text nobody translated" "$work/err" || { cat "$work/err" >&2; exit 1; }
echo "planted text: found in both languages"
