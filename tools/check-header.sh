#!/usr/bin/env bash
# check-header.sh EXE: the shipped program's PE header says "run from swap" for removable
# media and for the network, so that Windows never pages it from a disc that has been
# changed; keeps address randomisation and data-execution prevention, with its relocations;
# asks for Windows 4.0 as its operating system and subsystem version, so that Windows 95, 98
# and ME load it; carries a time stamp of zero, so that every build gives the
# same bytes; and holds the checksum of the file as it is, computed here afresh.
# Exits 1 when it does not, or when EXE is missing. Needs only objdump, od and perl.
set -u
if [ $# -ne 1 ]; then echo "usage: tools/check-header.sh EXE" >&2; exit 2; fi
exe=$1
[ -f "$exe" ] || { echo "$exe: no such program (build it first: cmake --build --preset i686)"; exit 1; }
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)
header=$(LC_ALL=C "$objdump" -p "$exe")
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$header"; }
characteristics=$(field Characteristics)
if [ -z "$characteristics" ] || (( (characteristics & 0x0c00) != 0x0c00 )); then
  echo "$exe: Characteristics ${characteristics:-unreadable} lacks REMOVABLE_RUN_FROM_SWAP (0x400) or NET_RUN_FROM_SWAP (0x800)"
  exit 1
fi
# Address randomisation and data-execution prevention on the Windows that have them (older
# ones ignore the flags), with the relocations that randomisation needs.
dll=$(field DllCharacteristics)
if [ -z "$dll" ] || (( (0x$dll & 0x0140) != 0x0140 )); then
  echo "$exe: DllCharacteristics ${dll:-unreadable} lacks DYNAMIC_BASE (0x40) or NX_COMPAT (0x100)"
  exit 1
fi
relocations=$(awk '$1 == "Entry" && $2 == 5 { print $4; exit }' <<<"$header")
[ "${relocations:-00000000}" != 00000000 ] || { echo "$exe: no relocations, which address randomisation needs"; exit 1; }
versions="$(field MajorOSystemVersion).$(field MinorOSystemVersion) $(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
[ "$versions" = "4.0 4.0" ] || { echo "$exe: operating system and subsystem versions $versions, expected 4.0 4.0"; exit 1; }
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
stamp=$(od -An -tu4 -j$((pe + 8)) -N4 "$exe" | tr -d ' ')
[ "$stamp" = 0 ] || { echo "$exe: time stamp $stamp, expected 0"; exit 1; }
# The image checksum: the 16-bit little-endian words of the file summed with each carry
# folded back in, the checksum field (4 bytes at 88 past the PE signature) taken as zero,
# then the file's length added.
read -r stored computed < <(perl -e '
  local $/; open my $f, "<:raw", $ARGV[0] or die; my $image = <$f>; my $at = $ARGV[1] + 88;
  my $stored = unpack "V", substr($image, $at, 4);
  substr($image, $at, 4) = "\0\0\0\0";
  $image .= "\0" if length($image) % 2;
  my $sum = 0;
  for my $word (unpack "v*", $image) { $sum += $word; $sum = ($sum & 0xffff) + ($sum >> 16); }
  printf "%d %d\n", $stored, $sum + (-s $ARGV[0]);' "$exe" "$pe")
[ "$stored" = "$computed" ] ||
  { printf '%s: checksum 0x%08x in the header, 0x%08x computed\n' "$exe" "$stored" "$computed"; exit 1; }
printf '%s: Characteristics %s (runs from swap from a disc and from the network), DllCharacteristics %s, Windows %s, time stamp 0, checksum 0x%08x\n' \
  "$exe" "$characteristics" "$dll" "${versions% *}" "$stored"
