#!/usr/bin/env bash
# Installs the packages, builds Quillbox and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quillbox
exec build/bin/quillbox "$@"
