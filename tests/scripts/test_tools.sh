#!/usr/bin/env bash
# The scripts in tools/ as a user meets them: a wrong argument gets a usage line and
# exit 2 before anything changes; swap-disc.sh leaves the drive as it was when it
# refuses; run.sh refuses a second demo and a display that cannot be opened.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
passed=0 failed=0
expect() { # what, expected exit code, command...
  local what=$1 code=$2 out
  shift 2
  out=$("$@" 2>&1 </dev/null)
  local got=$?
  if [ "$got" = "$code" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what: exit $got, expected $code; it said: $out"
  fi
  said=$out
}
check() { # what, condition...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

for wrong in "tools/run.sh --bogus" "tools/test.sh --bogus" "tools/test.sh -R" "tools/swap-disc.sh" \
             "tools/swap-disc.sh 5" "tools/swap-disc.sh x" "tools/swap-disc.sh 2 no-such-build" \
             "tools/swap-disc.sh --second" "tools/swap-disc.sh 2 --second" \
             "tools/bench-copy.sh x" "tools/make-discs.sh" "tools/prepare-wine.sh" \
             "tools/start-wine.sh" "tools/stop-wine.sh" "tools/host-flavour.sh x" \
             "tools/install-deps.sh x" "tools/check-imports.sh" "tools/check-header.sh" \
             "tools/pe-swaprun.sh" "tools/pe-swaprun.sh no-such.exe" \
             "tools/check-reproducible.sh" "tools/check-instructions.sh"; do
  expect "$wrong" 2 $wrong
  check "$wrong prints a usage line" grep -q '^usage: ' <<<"$said"
done
check "swap-disc.sh 2 no-such-build makes no folder" test ! -e no-such-build

# The demo's drive and discs, laid out as tools/run.sh leaves them.
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
expect "swap-disc.sh before any run.sh" 1 tools/swap-disc.sh 1 "$build"
check "it says to run tools/run.sh first" grep -q 'run tools/run.sh first' <<<"$said"
mkdir -p "$build/demo-drives"/{cdrom,cdrom2} "$build/demo-drives/hd/discs"/disc{1,2,3}
for n in 1 2 3; do : >"$build/demo-drives/hd/discs/disc$n/DISK$n"; done
: >"$build/demo-drives/hd/discs/disc1/TORLE.EXE"
: >"$build/demo-drives/hd/discs/disc2/SP_.ARC"
in_drive() { (cd "$build/demo-drives/cdrom${1:-}" && ls | tr '\n' ' '); }
expect "swap-disc.sh 1" 0 tools/swap-disc.sh 1 "$build"
check "disc 1 is in" test "$(in_drive)" = "DISK1 TORLE.EXE "
expect "swap-disc.sh 5 with disc 1 in" 2 tools/swap-disc.sh 5 "$build"
check "disc 1 is still in" test "$(in_drive)" = "DISK1 TORLE.EXE "
expect "swap-disc.sh 2" 0 tools/swap-disc.sh 2 "$build"
check "disc 2 is in" test "$(in_drive)" = "DISK2 SP_.ARC "
check "disc 1 is back in its folder" test -e "$build/demo-drives/hd/discs/disc1/TORLE.EXE"
expect "swap-disc.sh --second 1" 0 tools/swap-disc.sh --second 1 "$build"
check "disc 1 is in the second drive, disc 2 still in the first" test "$(in_drive 2)/$(in_drive)" = "DISK1 TORLE.EXE /DISK2 SP_.ARC "
expect "swap-disc.sh --second 2" 0 tools/swap-disc.sh --second 2 "$build"
check "disc 2 has moved to the second drive" test "$(in_drive 2)/$(in_drive)" = "DISK2 SP_.ARC /"
expect "swap-disc.sh --second 0" 0 tools/swap-disc.sh --second 0 "$build"
expect "swap-disc.sh 0" 0 tools/swap-disc.sh 0 "$build"
check "both drives are empty" test -z "$(in_drive)$(in_drive 2)"

# The checks of the shipped program can fail: against a list that lacks one of its imports,
# and on copies whose header is wrong in one field.
exe=build/i686/bin/setup.exe
check "the shipped program is built ($exe)" test -f "$exe"
grep -v '^KERNEL32.DLL!CreateMutexA$' tools/windows-98se-imports.txt >"$build/short-list.txt"
expect "check-imports.sh against a list without CreateMutexA" 1 tools/check-imports.sh "$exe" "$build/short-list.txt"
check "it names the missing function" grep -q '^  KERNEL32.DLL!CreateMutexA$' <<<"$said"
expect "check-imports.sh against its own list" 0 tools/check-imports.sh "$exe"
# Its default list is the strictest, Windows 95's: a program on a C runtime DLL fails it,
# naming a runtime function that the Windows 98 SE and 2000 lists hold.
i686-w64-mingw32-gcc -x c -O2 -o "$build/crt.exe" - <<<'int main(void) { return 0; }'
expect "check-imports.sh on a program with a C runtime DLL" 1 tools/check-imports.sh "$build/crt.exe"
check "it names __getmainargs" grep -q '^  MSVCRT.DLL!__getmainargs$' <<<"$said"
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
# A copy of the shipped program with the little-endian number $2 at offset $1, in $3 bytes
# (4); wrong in that field alone, since its checksum is written afresh (by the build's own
# post-link step, which also sets the run-from-swap flags that the copy already has).
doctored() {
  cp "$exe" "$build/setup.exe"
  printf "$(printf '\\%03o' $(($2 & 255)) $((($2 >> 8) & 255)) $((($2 >> 16) & 255)) $((($2 >> 24) & 255)))" |
    dd of="$build/setup.exe" bs=1 seek="$1" count="${3:-4}" conv=notrunc status=none
  [ $1 = $((pe + 88)) ] || tools/pe-swaprun.sh "$build/setup.exe"
}
stored=$(od -An -tu4 -j$((pe + 88)) -N4 "$exe" | tr -d ' ')
doctored $((pe + 88)) $((stored - $(stat -c %s "$exe")))
expect "check-header.sh on a checksum without the file's length" 1 tools/check-header.sh "$build/setup.exe"
check "it names the checksum" grep -q 'checksum' <<<"$said"
# Windows 5.0 as operating system, then as subsystem (major and minor, two bytes each);
# DllCharacteristics; the size of the relocations (data directory 5, 164 past the signature).
for field in 64:5:versions 72:5:versions 94:0:DllCharacteristics 164:0:relocations; do
  IFS=: read -r offset value named <<<"$field"
  doctored $((pe + offset)) "$value" $([ "$offset" = 94 ] && echo 2)
  expect "check-header.sh on $value at $offset past the PE signature" 1 tools/check-header.sh "$build/setup.exe"
  check "it names the $named" grep -q "$named" <<<"$said"
done
expect "check-header.sh on the shipped program" 0 tools/check-header.sh "$exe"
# The instruction check fails on code for the Pentium Pro and passes the same code for the 486.
pick='int pick(int a, int b, int c) { return a < b ? c : a; }'
for cpu in i686 i486; do
  i686-w64-mingw32-gcc -x c -O2 -march=$cpu -nostdlib -Wl,-e,_pick -o "$build/$cpu.exe" - <<<"$pick"
done
expect "check-instructions.sh on code built for the Pentium Pro" 1 tools/check-instructions.sh "$build/i686.exe"
check "it names the CMOV" grep -q 'cmov' <<<"$said"
expect "check-instructions.sh on the same code built for the 486" 0 tools/check-instructions.sh "$build/i486.exe"
expect "check-instructions.sh on the shipped program" 0 tools/check-instructions.sh "$exe"

# install-deps.sh on a day when the mirror is mid-sync, through stand-ins for apt-get, dpkg and
# dpkg-query: the index refresh always fails, 32-bit Wine cannot be installed, and what the
# stand-in apt-get installs is written down as installed.
standins="$build/standins"
mkdir -p "$standins"
cat >"$standins/apt-get" <<'STANDIN'
#!/bin/bash
echo "apt-get $*" >>"$STANDIN_DIR/calls"
[ "$1" = update ] && exit 100
for p in "$@"; do case " wine32:i386 $STANDIN_REFUSED " in *" $p "*) exit 100 ;; esac; done
for p in "$@"; do case $p in -* | *=* | install) ;; *) echo "$p" >>"$STANDIN_DIR/installed" ;; esac; done
exit 0
STANDIN
cat >"$standins/dpkg-query" <<'STANDIN'
#!/bin/bash
grep -qx "${@: -1}" "$STANDIN_DIR/installed" && echo "install ok installed"
STANDIN
printf '#!/bin/bash\n[ "$1" = --print-foreign-architectures ] && echo i386\nexit 0\n' >"$standins/dpkg"
chmod +x "$standins"/*
mid_sync() { # refused package, or none
  : >"$standins/installed"
  : >"$standins/calls"
  env PATH="$standins:$PATH" STANDIN_DIR="$standins" STANDIN_REFUSED="${1:-}" VELNORA_APT_RETRY_PAUSE=0 \
    tools/install-deps.sh
}
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the install-deps.sh checks, which need root (sudo would not see the stand-ins)"
else
  expect "install-deps.sh mid-sync" 0 mid_sync
  check "it says that some indexes did not refresh" grep -q 'indexes could not be refreshed' <<<"$said"
  check "it refreshed three times" test "$(grep -c 'apt-get update' "$standins/calls")" = 3
  check "it tried the release's own versions" grep -q 'Dir::Etc::Preferences' "$standins/calls"
  check "it says that the x64 build will be used" grep -q '32-bit Wine could not be installed: .*x64 build' <<<"$said"
  check "it installed everything else" test "$(grep -c . "$standins/installed")" = 14
  expect "install-deps.sh mid-sync, refused googletest too" 1 mid_sync googletest
  check "it names googletest" grep -q 'could not install: .*googletest' <<<"$said"
fi

# run.sh: one demo at a time, and a display that answers. A real demo of this
# checkout leaves these alone.
lock="$root/build/run.pid"
if [ -e "$lock" ]; then
  echo "skipped: the run.sh checks, a demo is running ($lock)"
else
  mkdir -p "$root/build"
  bash -c 'exec -a tools/run.sh sleep 60' &
  holder=$!
  echo "$holder" >"$lock"
  expect "a second run.sh" 1 tools/run.sh
  check "it says that one is running" grep -q 'already running' <<<"$said"
  check "it leaves the first one's lock" test "$(cat "$lock")" = "$holder"
  kill "$holder"
  wait "$holder" 2>/dev/null
  rm -f "$lock"
  n=500
  while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  display=:$n
  expect "run.sh on a display without an X server" 1 env DISPLAY=$display tools/run.sh
  check "it names the display" grep -q "cannot open the display $display" <<<"$said"
  check "it leaves no lock" test ! -e "$lock"
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
