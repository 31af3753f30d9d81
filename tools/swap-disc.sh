#!/usr/bin/env bash
# Changes the disc in the demo's CD-ROM drive Q:: takes out the disc that is in (its
# marker file DISKn says which) and puts in disc N (1, 2 or 3); 0 leaves it empty.
# Usage: tools/swap-disc.sh N [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/$("$root/tools/host-flavour.sh")}
drive="$build/demo-drives/cdrom"
discs="$build/demo-drives/hd/discs"
mkdir -p "$drive"
for n in 1 2 3; do
  if [ -e "$drive/DISK$n" ]; then
    find "$drive" -mindepth 1 -maxdepth 1 -exec mv -t "$discs/disc$n" {} +
  fi
done
if [ "$1" = 0 ]; then
  echo "the CD-ROM drive Q: is empty"
else
  find "$discs/disc$1" -mindepth 1 -maxdepth 1 -exec mv -t "$drive" {} +
  echo "disc $1 is in the CD-ROM drive Q:"
fi
