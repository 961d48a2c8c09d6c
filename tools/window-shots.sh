#!/bin/bash
# Takes the main window's pictures in docs/: the sample folder in each list
# mode (docs/screenshot.png is the first of them), the filter box in use, the
# rows sorted by date, the Add Note wizard, the
# Modify Notes sheet and the properties card, on a virtual 1280 x 800 screen.
# Needs xvfb (apt-get install -y xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target window_shots quillbox_sample_notes >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/bin/window_shots" "$PWD/docs" "$PWD/$BUILD_DIR/bin/Sample Notes"
