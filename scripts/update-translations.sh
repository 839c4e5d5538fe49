#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in src/ (tr() and the core tables'
# captions, listed by the table_texts tool of the build): new texts come in unfinished, texts
# no longer in the code go. Translate the unfinished ones (Qt Linguist, or by hand in the XML),
# keeping to translations/GLOSSARY.md.
#   scripts/update-translations.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
lupdate=/usr/lib/qt6/bin/lupdate
cmake --build "$build" --target table_texts >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/i18n/table_texts" > "$work/table_texts.cpp"
for code in de zh_CN; do
  "$lupdate" -silent -locations none -no-obsolete -target-language "$code" \
    src "$work/table_texts.cpp" -ts "translations/motiview_$code.ts"
done
grep -c 'type="unfinished"' translations/*.ts || true
