#!/usr/bin/env bash
# Installs what building and running the program needs on Debian 12, and nothing
# that is already there. Works as root or through sudo.
set -euo pipefail
[ $# -eq 0 ] || { echo "usage: tools/install-deps.sh" >&2; exit 2; }
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

packages=(cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
          googletest xvfb xauth x11-utils fonts-ipafont-gothic fonts-wine imagemagick locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Wine takes code page 932 from a Japanese locale and needs it to name files in Japanese.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "== generating the ja_JP.UTF-8 locale"
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
