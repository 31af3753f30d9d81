#!/usr/bin/env bash
# Changes the disc in one of the demo's CD-ROM drives while tools/run.sh runs: takes out
# the disc that is in (its marker file DISKn says which) and puts in disc N, taking it
# out of the other drive first if it is there. The drive is Q:, or with --second the
# second CD-ROM drive O:, as for a disc image mounted beside the first.
# Usage: tools/swap-disc.sh [--second] N     (N = 1, 2 or 3; 0 empties the drive)
# (tools/run.sh names its build folder as a last argument.)
set -euo pipefail
usage() {
  echo "usage: tools/swap-disc.sh [--second] N   (N = 1, 2 or 3 puts that disc into the drive Q:," \
       "or with --second into O:; 0 empties it)" >&2
  exit 2
}
letter=Q folder=cdrom other=cdrom2
if [ "${1:-}" = --second ]; then
  letter=O folder=cdrom2 other=cdrom
  shift
fi
[ $# -ge 1 ] && [ $# -le 2 ] || usage
case $1 in 0 | 1 | 2 | 3) disc=$1 ;; *) usage ;; esac
[ $# -eq 1 ] || [ -d "$2" ] || usage
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/$("$root/tools/host-flavour.sh")}
drive="$build/demo-drives/$folder"
discs="$build/demo-drives/hd/discs"
if [ ! -d "$drive" ] || [ ! -d "$discs/disc1" ] || [ ! -d "$discs/disc2" ] || [ ! -d "$discs/disc3" ]; then
  echo "swap-disc: the demo's discs are not laid out yet (in $build): run tools/run.sh first" >&2
  exit 1
fi

in_drive() { # folder: the disc in it, or 0
  local n
  for n in 1 2 3; do
    [ -e "$1/DISK$n" ] && { echo "$n"; return; }
  done
  echo 0
}
take_out() { # folder, disc
  find "$1" -mindepth 1 -maxdepth 1 -exec mv -t "$discs/disc$2" {} +
}
current=$(in_drive "$drive")
if [ "$current" = "$disc" ]; then
  [ "$disc" = 0 ] && echo "the CD-ROM drive $letter: is empty" || echo "disc $disc is already in the CD-ROM drive $letter:"
  exit 0
fi
[ "$current" = 0 ] || take_out "$drive" "$current"
if [ "$disc" = 0 ]; then
  echo "the CD-ROM drive $letter: is empty"
  exit 0
fi
if [ -d "$build/demo-drives/$other" ] && [ "$(in_drive "$build/demo-drives/$other")" = "$disc" ]; then
  take_out "$build/demo-drives/$other" "$disc"
  echo "disc $disc is taken out of the CD-ROM drive $([ "$letter" = Q ] && echo O || echo Q):"
fi
find "$discs/disc$disc" -mindepth 1 -maxdepth 1 -exec mv -t "$drive" {} +
echo "disc $disc is in the CD-ROM drive $letter:"
