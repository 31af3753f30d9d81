#!/usr/bin/env bash
# Prints the build that Wine can run here: "i686" (the shipped 32-bit program) where
# the host executes 32-bit x86 code, "x64" (the same sources for x86_64) where it
# cannot, as on virtual machines without 32-bit compatibility mode.
# VELNORA_FLAVOUR overrides the choice.
[ $# -eq 0 ] || { echo "usage: tools/host-flavour.sh" >&2; exit 2; }
if [ -n "${VELNORA_FLAVOUR:-}" ]; then
  echo "$VELNORA_FLAVOUR"
elif . "$(dirname "$0")/wine.env" 2>/dev/null && "$WINE_LOADER_32" --version >/dev/null 2>&1; then
  echo i686
else
  echo x64
fi
