#!/usr/bin/env bash
# check-reproducible.sh EXE: builds the shipped program once more, from a copy of the
# sources in another folder (another path, another time), and compares the result with
# EXE byte for byte. Exits 1 when they differ.
set -euo pipefail
if [ $# -ne 1 ]; then echo "usage: tools/check-reproducible.sh EXE" >&2; exit 2; fi
exe=$1
[ -f "$exe" ] || { echo "$exe: no such program (build it first: cmake --build --preset i686)"; exit 1; }
root=$(cd "$(dirname "$0")/.." && pwd)
again=$(mktemp -d "${TMPDIR:-/tmp}/velnora-again.XXXXXX")
trap 'rm -rf "$again"' EXIT
tar -C "$root" --exclude=./build --exclude=./out --exclude=./.git -cf - . | tar -C "$again" -xf -
(cd "$again" && cmake --preset shipped >/dev/null && cmake --build --preset shipped >/dev/null)
if ! cmp -s "$exe" "$again/build/shipped/bin/setup.exe"; then
  echo "$exe: a second build in $again differs:"
  cmp -l "$exe" "$again/build/shipped/bin/setup.exe" | head -5
  exit 1
fi
echo "$exe: a second build in another folder gives the same bytes (sha256 $(sha256sum "$exe" | cut -d' ' -f1))"
