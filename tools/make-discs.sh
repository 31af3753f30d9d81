#!/usr/bin/env bash
# Lays out the three game discs in a folder, as they are on the real CD-ROMs: the
# marker file "DISKn" and the disc's game files at each root; disc 1 also carries
# setup.exe and the DirectX setup under DirectX8a\. The game files hold generated
# bytes (TORLE.EXE is the stand-in game); MIB sets roughly how many MiB in all.
# Usage: tools/make-discs.sh BUILD_DIR DISCS_DIR [MIB]
set -euo pipefail
bin=$(cd "$1/bin" && pwd)
discs=$2
mib=${3:-24}
mkdir -p "$discs"/disc{1,2,3}
rm -rf "${discs:?}"/disc{1,2,3}/*

fill() { # file, share of the total in per mille
  local kib=$(( mib * 1024 * $2 / 1000 ))
  head -c $(( kib * 1024 + $2 )) /dev/urandom > "$1"
}
d1=$discs/disc1 d2=$discs/disc2 d3=$discs/disc3
: > "$d1/DISK1"; : > "$d2/DISK2"; : > "$d3/DISK3"
fill "$d1/VELN.CNT" 1;  fill "$d1/VELN.HLP" 4
cp "$bin/standin.exe" "$d1/TORLE.EXE"
fill "$d1/SCR.ARC" 60;  fill "$d1/CG_.ARC" 180; fill "$d1/MID.ARC" 20
fill "$d1/WAV.ARC" 80;  fill "$d1/VO1.ARC" 120; fill "$d1/TBLSTR.ARC" 5
fill "$d2/SP_.ARC" 130; fill "$d2/BG_.ARC" 150; fill "$d2/VO3.ARC" 110
fill "$d3/VO2.ARC" 140
cp "$bin/setup.exe" "$d1/setup.exe"
mkdir -p "$d1/DirectX8a"
cp "$bin/standin.exe" "$d1/DirectX8a/dxsetup.exe"
