# Sourced by the other scripts: the Wine environment of one build folder.
# Usage: . tools/wine-env.sh BUILD_DIR
build_dir=$(cd "$1" && pwd)
# Wine wants a home folder, which a bare CI environment may not name.
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
export USER="${USER:-$(id -un)}"
user_winedebug=${WINEDEBUG:-}
{ set -a; . "$(dirname "${BASH_SOURCE[0]}")/wine.env"; set +a; } 2>/dev/null
export WINEDEBUG=${user_winedebug:-$WINEDEBUG}
if grep -q 'MINGW_TRIPLET:STRING=x86_64' "$build_dir/CMakeCache.txt" 2>/dev/null; then
  export WINELOADER=$WINE_LOADER_64
else
  export WINELOADER=$WINE_LOADER_32
fi
# VELNORA_WINE=demo selects the demo's own prefix and drives beside the tests' ones.
wine_name=${VELNORA_WINE:+$VELNORA_WINE-}
export WINEPREFIX="$build_dir/${wine_name}wineprefix"
drives_dir="$build_dir/${wine_name}drives"
wine_run() { "$WINELOADER" "$@"; }
# Wine's own settings (drives above all) belong in the 64-bit registry view.
wine64_run() { "$WINE_LOADER_64" "$@"; }
# Stops the calling script, with one line that names it, when a piece of the simulated
# machine (drives, code page, fonts) is not as the tests and the demo expect.
check_world() {
  wine_run "$build_dir/bin/world_check.exe" "$@" </dev/null || exit 1
}
