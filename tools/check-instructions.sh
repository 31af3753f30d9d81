#!/usr/bin/env bash
# check-instructions.sh EXE: every instruction of EXE's code runs on a 486. Prints those of a
# later processor and exits 1 when there are any, or when EXE is missing or holds no code:
# the Pentium Pro's CMOV, FCMOV, FCOMI, FUCOMI and long NOP, the Pentium II's SYSENTER and
# FXSAVE, the Pentium's CMPXCHG8B and RDTSC, and every MMX, 3DNow! and SSE instruction (all
# that name an MM or XMM register, and those that name none). Needs only objdump.
set -u
if [ $# -ne 1 ]; then echo "usage: tools/check-instructions.sh EXE" >&2; exit 2; fi
exe=$1
[ -f "$exe" ] || { echo "$exe: no such program (build it first: cmake --build --preset i686)"; exit 1; }
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)
LC_ALL=C "$objdump" -d "$exe" | awk -F'\t' -v exe="$exe" '
  BEGIN { later = "^(cmov.*|fcmov.*|fu?comip?|nop[wl]?|rdpmc|sysenter|sysexit|fxsave|fxrstor|" \
                  "cmpxchg8b|rdtscp?|emms|femms|pf.*|pi2f.*|pswapd|prefetch.*|[lsm]fence|clflush|" \
                  "movnti|ldmxcsr|stmxcsr|fisttp.*|popcnt|lzcnt|tzcnt|movbe|crc32)$" }
  NF >= 3 && $1 ~ /^ *[0-9a-f]+:$/ {
    split($3, words, " "); mnemonic = words[1]; operands = substr($3, length(mnemonic) + 1)
    count++
    if (mnemonic == "nop" && operands !~ /[^ ]/) next
    if (mnemonic ~ later || operands ~ /%[xy]?mm[0-9]/) { print "  " $1 " " $3; newer++ }
  }
  END {
    if (count == 0) { print exe ": no instructions could be read"; exit 1 }
    if (newer > 0) { print exe ": " newer " of " count " instructions are newer than the 486"; exit 1 }
    print exe ": all " count " instructions run on a 486"
  }'
