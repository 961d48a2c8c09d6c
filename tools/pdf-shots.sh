#!/bin/bash
# Takes the picture of a PDF export in docs/: a note in several scripts, its
# body page drawn by poppler. Needs poppler-utils, fonts-dejavu-core and
# fonts-droid-fallback.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target quillbox-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/notes"
printf '%s\r\n' "5 € (Tuesday)" "Polish: Zażółć gęślą jaźń" "Czech: Příliš žluťoučký kůň úpěl ďábelské ódy" \
  "Greek: Γειά σου Κόσμε" "Russian: Съешь же ещё этих мягких французских булок" "Ukrainian: Чуєш їх, доцю, га?" \
  "Vietnamese: Tiếng Việt" "Turkish: İstanbul ğş" "Armenian: Հայերեն" "Chinese: 你好世界" \
  "Japanese: こんにちは、世界" > "$work/notes.txt"
printf '%s' "A long line wraps at the widths of the font that draws it: € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € € €" >> "$work/notes.txt"
cli="$BUILD_DIR/bin/quillbox-cli"
key=$("$cli" add "$work/notes" --title "Scripts" --keywords "unicode" --notes-file "$work/notes.txt" --priority high)
"$cli" export "$work/notes" "$key" --format pdf --output "$work/scripts.pdf" --title "Scripts – Σκριπτ – Скрипты" \
  --subtitle "Ten scripts"
pdftoppm -f 2 -l 2 -r 80 -png -singlefile "$work/scripts.pdf" docs/pdf-scripts
