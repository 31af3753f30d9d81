#!/usr/bin/env bash
# Runs the launcher as a user meets it: installs what is missing, builds, lays out the
# three discs, puts disc 1 into the simulated CD-ROM drive Q: and starts Q:\setup.exe.
# With a display (DISPLAY set) the program opens there; swap discs with
# tools/swap-disc.sh N. Without one, the same road runs by itself on a virtual X
# display (Xvfb): an installation from the hard disk with disc changes and an
# uninstallation, with a picture of every dialog on the way in out/screenshots/.
set -euo pipefail
. "$(dirname "$0")/setup-host.sh"
cmake --preset "$flavour" >/dev/null
cmake --build --preset "$flavour" --target setup standin demo_tour world_check

export VELNORA_WINE=demo
. tools/wine-env.sh "$build"
tools/prepare-wine.sh "$build" --display
drives="$build/demo-drives"
rm -rf "$drives/cdrom" "$drives/hd/discs"
mkdir -p "$drives/cdrom" "$drives/hd/discs"
tools/stop-wine.sh "$build"

if [ -n "${DISPLAY:-}" ]; then
  check_world
  tools/make-discs.sh "$build" "$drives/hd/discs"
  tools/swap-disc.sh 1 "$build"
  echo "== starting Q:\\setup.exe from disc 1"
  echo "   when it asks for another disc: tools/swap-disc.sh N   (N = 1, 2 or 3)"
  wine_run start /d 'Q:\' /wait 'Q:\setup.exe'
  tools/stop-wine.sh "$build"
  exit 0
fi

echo "== no display: the tour runs by itself on a virtual X display (Xvfb)"
shots="$root/out/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'tools/stop-wine.sh "$build"; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:77
sleep 1
check_world
wine_run explorer /desktop=Velnora,1024x768 "$build/bin/demo_tour.exe" "$(wine_run winepath -w "$shots" 2>/dev/null)" \
  >/dev/null 2>&1 &
log="$shots/tour.log"
for _ in $(seq 300); do
  grep -q '^done' "$log" 2>/dev/null && break
  sleep 1
done
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done

# The tour's word is checked, not taken: it must have finished, seen no problem and
# left every picture.
problems=$(grep '^problem' "$log" 2>/dev/null || true)
grep -q '^done' "$log" 2>/dev/null || problems+=$'\nproblem: the tour did not finish'
for name in 01-menu 02-install-dialog 03-folder-picker 04-disc-request 05-create-folder \
            06-copy-progress 07-disc-change 08-installed 09-menu-installed 10-uninstall-confirm \
            11-uninstall-question 12-uninstall-note 13-uninstalled; do
  [ -s "$shots/$name.png" ] || problems+=$'\n'"problem: no picture $name"
done
ls "$shots" | grep png || true
if [ -n "${problems//$'\n'/}" ]; then
  echo "$problems" | sed '/^$/d'
  echo "== the tour went wrong; its log: $log"
  exit 1
fi
echo "== pictures of every step: $shots"
