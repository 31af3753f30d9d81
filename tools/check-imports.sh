#!/usr/bin/env bash
# check-imports.sh EXE [LIST]: every function that EXE imports must be on LIST (one DLL!function a
# line, DLL in capitals, # comments; by default windows-95-imports.txt beside this script, the strictest).
# Prints the imports that are not, and exits 1 when there are any, or when EXE is missing or
# imports nothing. Needs only objdump.
set -u
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: tools/check-imports.sh EXE [LIST]" >&2; exit 2
fi
exe=$1
list=${2:-$(dirname "$0")/windows-95-imports.txt}
[ -f "$exe" ] || { echo "$exe: no such program (build it first: cmake --build --preset i686)"; exit 1; }
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)
imports=$("$objdump" -p "$exe" | awk '
  /^[ \t]*DLL Name:/ { dll = toupper($3); next }
  /^The Export Tables|^PE File Base Relocations/ { dll = "" }
  dll != "" && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && NF == 3 { print dll "!" $3 }' | sort -u)
extra=$(comm -23 <(echo "$imports") <(grep -v '^#' "$list" | sed '/^$/d' | sort -u))
n=$(echo "$imports" | sed '/^$/d' | wc -l)
[ "$n" -gt 0 ] || { echo "$exe: no imports could be read"; exit 1; }
if [ -n "$extra" ]; then
  echo "$exe: $n imports, $(echo "$extra" | wc -l) not on the list:"; echo "$extra" | sed 's/^/  /'; exit 1
fi
echo "$exe: all $n imports on the list"
