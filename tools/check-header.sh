#!/usr/bin/env bash
# check-header.sh EXE: the shipped program's PE header says "run from swap" for removable
# media and for the network, so that Windows never pages it from a disc that has been
# changed, and carries a time stamp of zero, so that every build gives the same bytes.
# Exits 1 when it does not, or when EXE is missing. Needs only objdump and od.
set -u
if [ $# -ne 1 ]; then echo "usage: tools/check-header.sh EXE" >&2; exit 2; fi
exe=$1
[ -f "$exe" ] || { echo "$exe: no such program (build it first: cmake --build --preset i686)"; exit 1; }
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)
characteristics=$(LC_ALL=C "$objdump" -p "$exe" | awk '$1 == "Characteristics" { print $2; exit }')
if [ -z "$characteristics" ] || (( (characteristics & 0x0c00) != 0x0c00 )); then
  echo "$exe: Characteristics ${characteristics:-unreadable} lacks REMOVABLE_RUN_FROM_SWAP (0x400) or NET_RUN_FROM_SWAP (0x800)"
  exit 1
fi
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
stamp=$(od -An -tu4 -j$((pe + 8)) -N4 "$exe" | tr -d ' ')
[ "$stamp" = 0 ] || { echo "$exe: time stamp $stamp, expected 0"; exit 1; }
echo "$exe: Characteristics $characteristics (runs from swap from a disc and from the network), time stamp 0"
