#!/usr/bin/env bash
# Puts disc N (1, 2 or 3) into the demo's CD-ROM drive Q:, or takes it out with 0.
# Usage: tools/swap-disc.sh N [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/$("$root/tools/host-flavour.sh")}
drive="$build/demo-drives/cdrom"
discs="$build/demo-discs"
rm -rf "$drive"
if [ "$1" = 0 ]; then
  mkdir -p "$drive"
  echo "the CD-ROM drive Q: is empty"
else
  ln -sfn "$discs/disc$1" "$drive"
  echo "disc $1 is in the CD-ROM drive Q:"
fi
