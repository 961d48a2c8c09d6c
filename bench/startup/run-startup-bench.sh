#!/usr/bin/env bash
# Times quillbox from launch to its first painted main window against an empty
# Qt main window (bench_bare_mainwindow), with hyperfine, in a Release build.
#
#   bash bench/startup/run-startup-bench.sh [--baseline-only]
#
# BUILD_DIR (default build-rel), RUNS (default 30) and OUT (the markdown table,
# default $BUILD_DIR/startup-bench.md) may be set. --baseline-only times the
# bare window alone, for a tree where quillbox is not built yet.
set -euo pipefail
cd "$(dirname "$0")/../.."

baseline_only=0
case "${1:-}" in
  --baseline-only) baseline_only=1 ;;
  "") ;;
  *) echo "usage: $0 [--baseline-only]" >&2; exit 2 ;;
esac

build=${BUILD_DIR:-build-rel}
runs=${RUNS:-30}
out=${OUT:-$build/startup-bench.md}
if [ "$runs" -lt 20 ]; then
  echo "RUNS must be at least 20 for a figure worth comparing." >&2
  exit 2
fi
command -v hyperfine >/dev/null || { echo "hyperfine is missing: run tools/install-deps.sh." >&2; exit 1; }

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLBOX_BUILD_TESTS=OFF >/dev/null
targets=(bench_bare_mainwindow)
if cmake --build "$build" --target help | grep -q '^quillbox:'; then
  targets+=(quillbox)
elif [ "$baseline_only" -eq 0 ]; then
  echo "There is no quillbox target in this tree yet, so there is nothing to compare." >&2
  echo "Run with --baseline-only to time the bare window alone." >&2
  exit 1
else
  baseline_only=1
fi
cmake --build "$build" --target "${targets[@]}"

# A throwaway home, so no run reads or writes a real user's settings or notes.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/runtime
export QUILLBOX_QUIT_AFTER_FIRST_PAINT=1

bin=$(cd "$build/bin" && pwd)
# hyperfine splits each command into words itself, so the paths are quoted.
cmds=(-n bare "$(printf '%q' "$bin/bench_bare_mainwindow")")
[ "$baseline_only" -eq 1 ] || cmds+=(-n quillbox "$(printf '%q' "$bin/quillbox")")

# One X server for every run, so its own start is not timed.
wrap=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  wrap=(xvfb-run -a)
fi
json="$scratch/startup.json"
# No shell between hyperfine and the program: a shell's start would be a
# sizeable part of a launch this short. The warmup runs also keep quillbox's
# first-run work in the fresh home out of the timed runs.
"${wrap[@]}" hyperfine -N --warmup 3 --runs "$runs" \
  --export-markdown "$out" --export-json "$json" "${cmds[@]}"

echo
cat "$out"
if [ "$baseline_only" -eq 0 ]; then
  # Means in the order the commands were given: bare, then quillbox.
  mapfile -t means < <(grep -o '"mean": *[0-9.eE+-]*' "$json" | sed 's/.*: *//')
  awk -v b="${means[0]}" -v q="${means[1]}" 'BEGIN {
    printf "\nquillbox %.1f ms, bare window %.1f ms: quillbox takes %.2f times as long\n", q * 1000, b * 1000, q / b }'
else
  echo
  echo "Baseline only: build quillbox to get the ratio."
fi
