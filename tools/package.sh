#!/usr/bin/env bash
# Builds the Debian package dist/quillbox_<version>_amd64.deb: a Release build
# of the two programs and what they install, under /usr, in build-pkg.
# JOBS sets the build's parallel jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh dpkg-dev file
build=build-pkg
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Installing must not build everything: only the targets below go in.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUILLBOX_BUILD_TESTS=OFF -DQUILLBOX_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "${launcher[@]}"
nice cmake --build "$build" -j "${JOBS:-2}" \
  --target quillbox quillbox-cli quillbox_help quillbox_sample_notes quillbox_man_pages
rm -f "$build"/quillbox_*.deb
(cd "$build" && cpack -G DEB)
mkdir -p dist
debs=("$build"/quillbox_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package.sh: cpack made no single package" >&2; exit 1; }
cp "${debs[0]}" dist/
echo "dist/$(basename "${debs[0]}")"
