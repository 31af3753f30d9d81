#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds the 32-bit program and the
# tests, prepares a Wine prefix with simulated drives and runs every test under Wine.
# Where this host cannot execute 32-bit code, the tests run on the x86_64 build of the
# same sources (see tools/host-flavour.sh); the 32-bit setup.exe is built all the same.
# Usage: tools/test.sh [-R REGEX]     (-R: only the test programs whose names match)
set -euo pipefail
usage() { echo "usage: tools/test.sh [-R REGEX]   (-R: only the test programs whose names match)"; }
case "$#:${1:-}" in
  0:) ;;
  2:-R) ;;
  1:-h | 1:--help) usage; exit 0 ;;
  *) usage >&2; exit 2 ;;
esac
. "$(dirname "$0")/setup-host.sh"
echo "== tests run on the $flavour build"

for preset in i686 $( [ "$flavour" = x64 ] && echo x64 ); do
  cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
  cmake --build --preset "$preset"
done

tools/prepare-wine.sh "$build"
# E: a really full disk (16 MiB); F: room for a standard installation but not a maximum
# one (1 GiB). Both are tmpfs mounts, as root or with passwordless sudo; without, the
# tests that need them are skipped and say so.
small="$build/drives/small" medium="$build/drives/medium"
mount_tmpfs() { # folder size name
  mountpoint -q "$1" || mount -t tmpfs -o size="$2" "$3" "$1" 2>/dev/null ||
    sudo -n mount -t tmpfs -o size="$2" "$3" "$1" 2>/dev/null
}
mount_tmpfs "$small" 16m velnora-small || echo "== no tmpfs for E: (needs root): the full-disk tests will be skipped"
mount_tmpfs "$medium" 1g velnora-medium || echo "== no tmpfs for F: (needs root): the setup-type space test will be skipped"
mountpoint -q "$small" && export VELNORA_SMALL_DISK=1
mountpoint -q "$medium" && export VELNORA_MEDIUM_DISK=1
tools/start-wine.sh "$build"
unmount() { umount "$1" 2>/dev/null || sudo -n umount "$1" 2>/dev/null || true; }
trap 'tools/stop-wine.sh "$build"; unmount "$small"; unmount "$medium"' EXIT
. tools/wine-env.sh "$build"
check_world
WINEPREFIX="$build/nocdrom-wineprefix" check_world --no-cdrom
echo "== shipped build/i686/bin/setup.exe: sha256 $(sha256sum build/i686/bin/setup.exe | cut -d' ' -f1)"
ctest --preset "$flavour" "$@"
