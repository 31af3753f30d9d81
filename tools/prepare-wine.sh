#!/usr/bin/env bash
# Makes the Wine prefix of a build folder: code page 932, the dialog font mapped to a
# Japanese font with its metrics on a Japanese Windows (Ume P Gothic), and simulated
# drives that the tests and the demo fill themselves:
#   Q: CD-ROM, O: a second CD-ROM drive, R: removable, N: network, D: hard disk (folders
#   under BUILD/drives),
#   E: a small hard disk, for which tools/test.sh mounts a 16 MiB tmpfs where it may, and
#   F: a hard disk with room for a standard installation only (a 1 GiB tmpfs there).
# With --display the prefix uses the X display; otherwise the null graphics driver.
# The settings are written by the 64-bit regedit on every host: in a 64-bit (WoW64)
# prefix the 32-bit one would put the drives under Wow6432Node, which Wine's mount
# manager never reads.
# Usage: tools/prepare-wine.sh BUILD_DIR [--display]
set -euo pipefail
usage() { echo "usage: tools/prepare-wine.sh BUILD_DIR [--display]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] && [ -d "$1" ] || usage
[ $# -eq 1 ] || [ "$2" = --display ] || usage
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"
graphics='"Graphics"="null"'
[ $# -eq 2 ] && graphics='"Graphics"=-'

wineserver -k 2>/dev/null || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== creating the Wine prefix $WINEPREFIX (about 15 s)"
  wine_run wineboot --init >/dev/null 2>&1 || true
  wineserver -w
fi

drives=$drives_dir
mkdir -p "$drives"/{cdrom,cdrom2,removable,network,hd,small,medium}
ln -sfn "$drives/cdrom" "$WINEPREFIX/dosdevices/q:"
ln -sfn "$drives/cdrom2" "$WINEPREFIX/dosdevices/o:"
ln -sfn "$drives/removable" "$WINEPREFIX/dosdevices/r:"
ln -sfn "$drives/network" "$WINEPREFIX/dosdevices/n:"
ln -sfn "$drives/hd" "$WINEPREFIX/dosdevices/d:"
ln -sfn "$drives/small" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$drives/medium" "$WINEPREFIX/dosdevices/f:"

# Wine's own copy of the Marlett font draws the title-bar buttons and scroll arrows (where
# its package is missing, the world check says so).
cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

reg="$build_dir/wine-settings.reg"
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
$graphics

[-HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Wine\\Drives]

[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]
"q:"="cdrom"
"o:"="cdrom"
"r:"="floppy"
"n:"="network"
"d:"="hd"
"e:"="hd"
"f:"="hd"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"ＭＳ Ｐゴシック"="Ume P Gothic"
"ＭＳ ゴシック"="Ume Gothic"
"MS UI Gothic"="Ume P Gothic"
"MS Shell Dlg"="Ume P Gothic"
"Tahoma"="Ume P Gothic"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"FontSmoothing"="2"
REG
} > "$reg"
wine64_run regedit /S "$(echo "Z:$reg" | tr / '\\')" >/dev/null 2>&1
wineserver -w

# The tests' second prefix: the same machine without a CD-ROM drive (Q: and O: hard disks).
if [ -z "${VELNORA_WINE:-}" ]; then
  wineserver -k 2>/dev/null || true
  wineserver -w
  # Wine's own DLLs (over 1 GB) are shared by hard links: nothing writes them once the
  # prefix is made. Everything else, the registry above all, gets copies of its own.
  nocd="$build_dir/nocdrom-wineprefix"
  rm -rf "$nocd"
  mkdir "$nocd"
  tar -C "$WINEPREFIX" --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/syswow64 \
    -cf - . | tar -C "$nocd" -xf -
  for dlls in system32 syswow64; do
    [ ! -d "$WINEPREFIX/drive_c/windows/$dlls" ] || cp -al "$WINEPREFIX/drive_c/windows/$dlls" "$nocd/drive_c/windows/"
  done
  sed -i 's/^"\([qo]\):"="cdrom"/"\1:"="hd"/' "$nocd/system.reg"
fi
echo "== Wine prefix ready: $WINEPREFIX"
