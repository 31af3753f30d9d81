#!/usr/bin/env bash
# Starts the wineserver of a build folder's prefix and Wine's own services, outside
# of any test, with their output detached so that nothing waits on them.
# Usage: tools/start-wine.sh BUILD_DIR    (stop: tools/stop-wine.sh BUILD_DIR)
set -euo pipefail
[ $# -eq 1 ] && [ -d "$1" ] || { echo "usage: tools/start-wine.sh BUILD_DIR" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"
start() {
  WINEPREFIX=$1 wineserver -p </dev/null >/dev/null 2>&1
  WINEPREFIX=$1 wine_run cmd /c exit </dev/null >/dev/null 2>&1 || true
}
start "$WINEPREFIX"
[ -d "$build_dir/nocdrom-wineprefix" ] && [ -z "${VELNORA_WINE:-}" ] && start "$build_dir/nocdrom-wineprefix"
true
