#!/usr/bin/env bash
# Fails when a shipped language lacks a text the window shows: the .ts files are brought up to
# date in a scratch copy (as update-translations.sh would) and any unfinished or missing
# translation is listed. Extra source files may be given (the test plants one).
#   scripts/check-translations.sh [BUILD_DIR] [EXTRA_SOURCE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
lupdate=/usr/lib/qt6/bin/lupdate
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/i18n/table_texts" > "$work/table_texts.cpp"
status=0
for code in de zh_CN; do
  cp "translations/motiview_$code.ts" "$work/"
  "$lupdate" -silent -locations none -no-obsolete src "$work/table_texts.cpp" "$@" \
    -ts "$work/motiview_$code.ts"
  # An unfinished entry: the source line before it names the text.
  missing=$( (grep -B1 -e '<translation type="unfinished"' -e '<translation></translation>' \
    "$work/motiview_$code.ts" || true) | sed -n 's/^ *<source>\(.*\)<\/source>/\1/p')
  if [ -n "$missing" ]; then
    echo "translations: $code lacks $(printf '%s\n' "$missing" | wc -l) text(s):" >&2
    printf '  %s\n' "$missing" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "translations: complete"
exit "$status"
