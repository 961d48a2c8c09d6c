#!/usr/bin/env bash
# Fails when translations/quillbox.ts is not what lupdate makes of the
# sources now, or when a translation lacks a text of the sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/quillbox_*.ts "$scratch/"
bash tools/update-translations.sh "$scratch"
if ! diff -u translations/quillbox.ts "$scratch/quillbox.ts"; then
    echo "translations/quillbox.ts is out of date: run bash tools/update-translations.sh" >&2
    exit 1
fi
if grep -l 'type="unfinished"' "$scratch"/quillbox_*.ts; then
    echo "the translations above lack texts: run bash tools/update-translations.sh and translate them" >&2
    exit 1
fi
echo "translations are up to date"
