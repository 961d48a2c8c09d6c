#!/usr/bin/env bash
# Regenerates the translation template translations/quillbox.ts from the
# sources and brings every translations/quillbox_<lang>.ts up to date with it
# (new texts come in unfinished, gone ones are dropped).
#   bash tools/update-translations.sh          update translations/
#   bash tools/update-translations.sh DIR      the same for DIR instead (checks)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Qt 6's own, ahead of any other lupdate on the PATH.
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate || true)
[ -x "$lupdate" ] || { echo "lupdate not found: bash tools/install-deps.sh installs qt6-l10n-tools" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The string table's texts, each under its id, as lupdate reads them. The
# table's escapes (\n, \t, \\) are C's; a double quote needs one.
awk -F '\t' '!/^#/ && NF >= 2 {
    text = substr($0, length($1) + 2)
    gsub(/"/, "\\\"", text)
    printf "QT_TRANSLATE_NOOP3(\"strings\", \"%s\", \"%s\")\n", text, $1
}' "$root/resources/strings.tsv" > "$scratch/strings.cpp"

sources=("$root/ui" "$root/shell" "$root/controls" "$root/bars" "$root/storage" "$root/exchange" "$scratch/strings.cpp")
run_lupdate() {
    "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "${sources[@]}" "$@"
}

dir=${1:-$root/translations}
# Made afresh, so its order is the sources' and not its history's.
rm -f "$dir/quillbox.ts"
run_lupdate -ts "$dir/quillbox.ts"
# A new language starts as a copy of the template with its language set
# (<TS version="2.1" language="fr_FR">) named quillbox_fr.ts.
for ts in "$dir"/quillbox_*.ts; do
    [ -e "$ts" ] && run_lupdate -ts "$ts"
done
exit 0
