#!/usr/bin/env bash
# Installs what building and running the program needs on Debian 12, and nothing
# that is already there. Works as root or through sudo. A package mirror caught
# mid-sync is lived with: an index that will not refresh is passed over, the release's
# own versions are tried where the newest do not fit together, and without 32-bit Wine
# the tests and the launcher use the x64 build.
set -euo pipefail
[ $# -eq 0 ] || { echo "usage: tools/install-deps.sh" >&2; exit 2; }
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
pause=${VELNORA_APT_RETRY_PAUSE:-15} # seconds between two refreshes of the indexes

packages=(cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
          googletest xvfb xauth x11-utils fonts-horai-umefont fonts-wine imagemagick locales)
missing_now() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
apt_install() { # packages...; extra apt-get options in $apt_options
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get ${apt_options:-} install -y -qq \
    --no-install-recommends "$@" >/dev/null
}
# The release's own versions, which every architecture has, before those of the suites
# that a mirror mid-sync may hold for one architecture only.
install_from_release() {
  local codename preferences
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  preferences=$(mktemp)
  printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$codename-security" "$codename-updates" \
    >"$preferences"
  chmod 644 "$preferences"
  apt_options="-o Dir::Etc::Preferences=$preferences" apt_install "$@"
  local installed=$?
  rm -f "$preferences"
  return $installed
}

mapfile -t missing < <(missing_now)
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  for try in 1 2 3; do
    $sudo apt-get update -qq && break
    [ "$try" = 3 ] && echo "== some package indexes could not be refreshed (a mirror mid-sync?): going on with those that arrived" ||
      sleep "$pause"
  done
  if ! apt_install "${missing[@]}"; then
    echo "== installing again, preferring the release's own versions"
    if ! install_from_release "${missing[@]}"; then
      mapfile -t others < <(missing_now | grep -vx 'wine32:i386')
      [ ${#others[@]} -eq 0 ] || install_from_release "${others[@]}" || true
    fi
  fi
  mapfile -t missing < <(missing_now)
  if [ ${#missing[@]} -gt 0 ] && [ "${missing[*]}" != "wine32:i386" ]; then
    echo "== could not install: ${missing[*]}" >&2
    exit 1
  fi
  [ ${#missing[@]} -eq 0 ] ||
    echo "== 32-bit Wine could not be installed: the tests and the launcher will use the x64 build"
fi

# Wine takes code page 932 from a Japanese locale and needs it to name files in Japanese.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "== generating the ja_JP.UTF-8 locale"
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
