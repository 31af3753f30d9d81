#!/usr/bin/env bash
# Ends every Wine process of a build folder's prefix.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
