#!/usr/bin/env bash
# Runs the launcher as a user meets it: installs what is missing, builds, lays out the
# three discs, puts disc 1 into the simulated CD-ROM drive Q: and starts Q:\setup.exe.
# With a display (DISPLAY set) the program opens there; swap discs with
# tools/swap-disc.sh N. Without one it runs on a virtual X display (Xvfb) and writes
# a screenshot of the menu to out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
flavour=$(tools/host-flavour.sh)
cmake --preset "$flavour" >/dev/null
cmake --build --preset "$flavour"
build="$root/build/$flavour"

export VELNORA_WINE=demo
. tools/wine-env.sh "$build"
tools/make-discs.sh "$build" "$build/demo-discs"
tools/prepare-wine.sh "$build" --display
tools/swap-disc.sh 1 "$build"
mkdir -p out

if [ -n "${DISPLAY:-}" ]; then
  echo "== starting Q:\\setup.exe; change discs with: tools/swap-disc.sh N"
  wine_run start /d 'Q:\' /wait 'Q:\setup.exe'
  tools/stop-wine.sh "$build"
  exit 0
fi

echo "== no display: running on a virtual X display (Xvfb)"
Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'tools/stop-wine.sh "$build"; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:77
sleep 1
wine_run explorer /desktop=Velnora,1024x768 start /d 'Q:\' 'Q:\setup.exe' >/dev/null 2>&1 &
sleep 8
import -window root out/menu.png
echo "== the menu as it looks: $root/out/menu.png"
