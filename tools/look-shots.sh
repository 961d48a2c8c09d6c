#!/bin/bash
# Takes the main window's pictures in docs/ in German (window-german.png), on
# a screen at 200% (window-200.png) and under a dark Fusion palette
# (window-dark.png). Needs xvfb (apt-get install -y xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target window_shots quillbox_sample_notes >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
shoot() {
    local screen=$1 name=$2
    shift 2
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb "$@" \
      xvfb-run -a -s "-screen 0 ${screen}x24" \
      "$BUILD_DIR/bin/window_shots" "$PWD/docs" "$PWD/$BUILD_DIR/bin/Sample Notes" "$name"
}
shoot 1280x800 window-german.png LANG=de_DE.UTF-8 LANGUAGE=de
shoot 2560x1600 window-200.png QT_SCALE_FACTOR=2
shoot 1280x800 window-dark.png QUILLBOX_SHOTS_DARK=1
