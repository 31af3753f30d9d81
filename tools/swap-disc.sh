#!/usr/bin/env bash
# Changes the disc in the demo's CD-ROM drive Q: while tools/run.sh runs: takes out
# the disc that is in (its marker file DISKn says which) and puts in disc N.
# Usage: tools/swap-disc.sh N     (N = 1, 2 or 3; 0 empties the drive)
# (tools/run.sh names its build folder as a second argument.)
set -euo pipefail
usage() {
  echo "usage: tools/swap-disc.sh N   (N = 1, 2 or 3 puts that disc into the drive Q:; 0 empties it)" >&2
  exit 2
}
[ $# -ge 1 ] && [ $# -le 2 ] || usage
case $1 in 0 | 1 | 2 | 3) disc=$1 ;; *) usage ;; esac
[ $# -eq 1 ] || [ -d "$2" ] || usage
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/$("$root/tools/host-flavour.sh")}
drive="$build/demo-drives/cdrom"
discs="$build/demo-drives/hd/discs"
if [ ! -d "$drive" ] || [ ! -d "$discs/disc1" ] || [ ! -d "$discs/disc2" ] || [ ! -d "$discs/disc3" ]; then
  echo "swap-disc: the demo's discs are not laid out yet (in $build): run tools/run.sh first" >&2
  exit 1
fi

current=0
for n in 1 2 3; do
  [ -e "$drive/DISK$n" ] && current=$n
done
if [ "$current" = "$disc" ]; then
  [ "$disc" = 0 ] && echo "the CD-ROM drive Q: is empty" || echo "disc $disc is already in the CD-ROM drive Q:"
  exit 0
fi
if [ "$current" != 0 ]; then
  find "$drive" -mindepth 1 -maxdepth 1 -exec mv -t "$discs/disc$current" {} +
fi
if [ "$disc" = 0 ]; then
  echo "the CD-ROM drive Q: is empty"
else
  find "$discs/disc$disc" -mindepth 1 -maxdepth 1 -exec mv -t "$drive" {} +
  echo "disc $disc is in the CD-ROM drive Q:"
fi
