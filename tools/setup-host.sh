# Sourced first by the entry scripts (run, test, bench-copy): goes to the project
# root, installs what is missing and picks the build that Wine can run on this host.
# Sets root, flavour and build.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}" # Wine needs one
tools/install-deps.sh
flavour=$(tools/host-flavour.sh)
build="$root/build/$flavour"
