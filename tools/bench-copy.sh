#!/usr/bin/env bash
# The copy benchmark, one command: builds, lays out a full disc set of realistic size
# (all three discs' files with their markers in one simulated CD-ROM drive, so that no
# disc change interrupts the timing) and a half-size one, and runs tests/bench in one
# Wine session. Prints times and ratios; see docs/benchmark.md.
# Usage: tools/bench-copy.sh [MIB]     (default 320 MiB over the manifest's files)
set -euo pipefail
usage() { echo "usage: tools/bench-copy.sh [MIB]   (default 320)" >&2; exit 2; }
[ $# -le 1 ] || usage
[ $# -eq 0 ] || [[ $1 =~ ^[1-9][0-9]*$ ]] || usage
. "$(dirname "$0")/setup-host.sh"
cmake --preset "$flavour" >/dev/null
cmake --build --preset "$flavour" --target copy_bench world_check standin setup >/dev/null
mib=${1:-320}

export VELNORA_WINE=bench
. tools/wine-env.sh "$build"
tools/prepare-wine.sh "$build" >/dev/null
drives="$build/bench-drives"
lay_out() { # folder, MiB
  mkdir -p "$1"
  rm -f "$1"/*
  tools/make-discs.sh "$build" "$1.discs" "$2" >/dev/null
  cp "$1.discs"/disc{1,2,3}/* "$1"/ 2>/dev/null || true
  rm -rf "$1.discs"
}
lay_out "$drives/cdrom" "$mib"
mkdir -p "$drives/hd/half"
lay_out "$drives/hd/half" $((mib / 2))
rm -rf "$drives/hd/bench"
tools/start-wine.sh "$build"
trap 'tools/stop-wine.sh "$build"; rm -rf "$drives/hd/bench"' EXIT
check_world
echo "== $flavour build, Wine $(wine_run --version 2>/dev/null || true), null display driver"
wine_run "$build/bin/copy_bench.exe" 'Q:\' 'D:\half\' 'D:\bench'
