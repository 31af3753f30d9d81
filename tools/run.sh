#!/usr/bin/env bash
# Runs the launcher as a user meets it: installs what is missing, builds, lays out the
# three discs, puts disc 1 into the simulated CD-ROM drive Q: (a second one, O:, is
# empty) and starts Q:\setup.exe.
# With a display (DISPLAY set) the program opens there and this command waits until
# the launcher and everything that it started (the game, the DirectX setup) have
# closed; discs are changed with tools/swap-disc.sh N from a second terminal. Without a
# display, the same road runs by itself on a virtual X display (Xvfb): an installation
# from the hard disk with disc changes and an uninstallation, with a picture of every
# dialog on the way in out/screenshots/. Only one run at a time.
set -euo pipefail
usage() {
  echo "usage: tools/run.sh [--fresh]"
  echo "  --fresh  start afresh: the game not installed, disc 1 in the drive"
}
fresh=0
for arg in "$@"; do
  case $arg in
    --fresh) fresh=1 ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
done

# One demo at a time: a second one would end the first one's Wine programs.
root=$(cd "$(dirname "$0")/.." && pwd)
lock="$root/build/run.pid"
mkdir -p "$root/build"
claim() { (set -o noclobber; echo $$ > "$lock") 2>/dev/null; }
if ! claim; then
  other=$(cat "$lock" 2>/dev/null || true)
  if [ -n "$other" ] && grep -qa 'run\.sh' "/proc/$other/cmdline" 2>/dev/null; then
    echo "tools/run.sh is already running (process $other); end it first: ｷｬﾝｾﾙ (Cancel) in its" \
         "launcher, or Ctrl-C in its terminal" >&2
    exit 1
  fi
  rm -f "$lock"
  claim || { echo "tools/run.sh could not take $lock; try again" >&2; exit 1; }
fi
started="" interrupted=""
finish() {
  if [ -n "$started" ]; then
    tools/stop-wine.sh "$build" || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  fi
  rm -f "$lock"
  [ -z "$interrupted" ] || echo "== interrupted: the launcher and everything that it started have been ended"
}
trap finish EXIT
trap 'interrupted=yes; echo; exit 130' INT TERM

. "$root/tools/setup-host.sh"
if [ -n "${DISPLAY:-}" ] && ! xdpyinfo >/dev/null 2>&1; then
  echo "tools/run.sh: cannot open the display $DISPLAY; start an X server there, or unset" \
       "DISPLAY for the headless tour" >&2
  exit 1
fi
cmake --preset "$flavour" >/dev/null
cmake --build --preset "$flavour" --target setup standin demo_tour world_check

# The desktop road and the headless tour each have a Wine prefix of their own: the
# installation made on the desktop carries over to the next desktop run, while the
# tour always starts with the game not installed.
if [ -n "${DISPLAY:-}" ]; then export VELNORA_WINE=demo; else export VELNORA_WINE=tour; fi
. tools/wine-env.sh "$build"
drives=$drives_dir
if [ "$fresh" = 1 ]; then
  echo "== starting afresh: a new Wine prefix, the game not installed"
  tools/stop-wine.sh "$build"
  rm -rf "$WINEPREFIX" "$drives"
fi
started=yes
tools/prepare-wine.sh "$build" --display
rm -rf "$drives/cdrom" "$drives/cdrom2" "$drives/hd/discs"
mkdir -p "$drives/cdrom" "$drives/cdrom2" "$drives/hd/discs"
tools/stop-wine.sh "$build"
tools/make-discs.sh "$build" "$drives/hd/discs"

if [ -n "${DISPLAY:-}" ]; then
  check_world
  tools/swap-disc.sh 1 "$build"
  echo "== the $flavour build: starting Q:\\setup.exe from disc 1 on the display $DISPLAY"
  echo "   when it asks for another disc, in a second terminal: tools/swap-disc.sh N"
  echo "   (N = 1, 2 or 3; 0 empties the drive), or tools/swap-disc.sh --second N for the second"
  echo "   CD-ROM drive O:. Quit: ｷｬﾝｾﾙ (Cancel) in the launcher, or Ctrl-C here."
  # In the background, so that Ctrl-C reaches the trap at once.
  wine_run start /d 'Q:\' /wait 'Q:\setup.exe' </dev/null &
  wait $!
  if ! timeout 6 wineserver -w; then
    echo "== the launcher has closed; what it started is still open: this ends when that closes"
    wineserver -w &
    wait $!
  fi
  echo "== the launcher and everything that it started have closed"
  echo "   the installation carries over to the next tools/run.sh; tools/run.sh --fresh starts afresh"
  exit 0
fi

echo "== no display: the tour runs by itself on a virtual X display (Xvfb), the $flavour build"
shots="$root/out/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$build/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
number=$(cat "$display_file")
rm -f "$display_file"
if [ -z "$number" ]; then
  echo "tools/run.sh: Xvfb did not start; its log: $build/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
check_world
wine_run explorer /desktop=Velnora,1024x768 "$build/bin/demo_tour.exe" \
  "$(wine_run winepath -w "$shots" 2>/dev/null)" >/dev/null 2>&1 &
tour=$!
log="$shots/tour.log"
for _ in $(seq 600); do
  grep -q '^done' "$log" 2>/dev/null && break
  kill -0 "$tour" 2>/dev/null || break
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
for name in 01-menu 02-install-dialog 03-folder-picker 04-disc-request 04b-drive-picker \
            05-create-folder 06-copy-progress 07-disc-change 08-installed 09-menu-installed \
            10-uninstall-confirm 11-uninstall-question 12-uninstall-note 13-uninstalled; do
  [ -s "$shots/$name.png" ] || problems+=$'\n'"problem: no picture $name"
done
ls "$shots" | grep png || true
if [ -n "${problems//$'\n'/}" ]; then
  echo "$problems" | sed '/^$/d'
  echo "== the tour went wrong; its log: $log"
  exit 1
fi
echo "== pictures of every step: $shots"
