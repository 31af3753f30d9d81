#!/usr/bin/env bash
# Ends every Wine process of a build folder's prefix.
# Usage: tools/stop-wine.sh BUILD_DIR
[ $# -eq 1 ] && [ -d "$1" ] || { echo "usage: tools/stop-wine.sh BUILD_DIR" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"
for prefix in "$WINEPREFIX" "$build_dir/nocdrom-wineprefix"; do
  [ -d "$prefix" ] || continue
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
done
