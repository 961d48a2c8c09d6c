#!/bin/bash
# Takes docs/colour-popup.png, docs/preferences-dialog.png,
# docs/search-dialog.png, docs/export-pdf-dialog.png and
# docs/search-results.png under Xvfb with the Fusion style.
# Needs xvfb (tools/install-deps.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target quillbox-dialog-shots >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD_DIR/bin/quillbox-dialog-shots" docs
