#!/bin/bash
# Installs what the build needs, builds Quillbox and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quillbox
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run it under a desktop session, or try: xvfb-run -a build/bin/quillbox" >&2
  exit 1
fi
exec build/bin/quillbox "$@"
