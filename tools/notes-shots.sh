#!/bin/bash
# Takes the pictures of the notes widgets in docs/ (each list mode, both forms
# of the editor sheet, the properties card) on a virtual screen.
# Needs xvfb (apt-get install -y xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target notes_widget_shots >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/bin/notes_widget_shots" "$PWD/docs"
