#!/usr/bin/env bash
# pe-swaprun.sh EXE: marks a linked Windows program "run from swap" when started from
# removable media or the network (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP 0x0400 and
# IMAGE_FILE_NET_RUN_FROM_SWAP 0x0800, what the Microsoft linker's /SWAPRUN:CD and
# /SWAPRUN:NET set; GNU ld has no switch for it), then brings the header checksum up to
# date. Windows then copies the whole program into the paging file at start, so it keeps
# running when the disc it started from is changed.
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "${1:-}" ]; then echo "usage: tools/pe-swaprun.sh EXE" >&2; exit 2; fi
exe=$1
number() { od -An -tu"$2" -j"$1" -N"$2" "$exe" | tr -d ' '; } # little-endian, $2 bytes at $1
put() { # $3 bytes of the number $2 at offset $1, little-endian
  local bytes="" i
  for ((i = 0; i < $3; i++)); do bytes+=$(printf '\\%03o' $((($2 >> (8 * i)) & 255))); done
  printf "$bytes" | dd of="$exe" bs=1 seek="$1" conv=notrunc status=none
}
pe=$(number 60 4)
[ "$(od -An -tx4 -j"$pe" -N4 "$exe" | tr -d ' ')" = 00004550 ] || { echo "$exe: not a PE image" >&2; exit 1; }
put $((pe + 22)) $(($(number $((pe + 22)) 2) | 0x0c00)) 2
# The checksum: the sum of the image's 16-bit words with every carry folded back in, the
# checksum field itself counted as zero, plus the image's length.
field=$(((pe + 88) / 2))
sum=$(od -An -tu2 -v "$exe" | awk -v field="$field" '
  { for (i = 1; i <= NF; i++) { if (n != field && n != field + 1) s += $i; if (s > 65535) s = s % 65536 + int(s / 65536); n++ } }
  END { print s }')
put $((pe + 88)) $((sum + $(stat -c %s "$exe"))) 4
