#!/usr/bin/env bash
# Installs the packages, builds Quillbox and starts it. Until the window is
# built, it lists the sample folder with the command-line companion instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if cmake --build build --target help | grep -q '^quillbox:'; then
  cmake --build build --target quillbox
  exec build/bin/quillbox "$@"
fi
cmake --build build --target quillbox-cli
mkdir -p "build/bin/Sample Notes"
exec build/bin/quillbox-cli list "build/bin/Sample Notes" "$@"
