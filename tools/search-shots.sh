#!/bin/bash
# Takes docs/window-search-dialog.png and docs/window-search-results.png: a
# search for "invoice" in the main window, under Xvfb with the Fusion style.
# Needs xvfb (tools/install-deps.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target quillbox-search-shots >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/bin/quillbox-search-shots" docs
