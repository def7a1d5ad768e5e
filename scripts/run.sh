#!/usr/bin/env bash
# Builds the program, lays out its program directory in the user's data
# folder (keeping whatever the user already has there) and starts it there.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/build.sh"
progdir="${TARNWICK_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/tarnwick}"
mkdir -p "$progdir"
cp -rn "$here/data/." "$progdir/"
find "$progdir" -name .keep -delete
cd "$progdir"
exec "$here/build/tarnwick" "$@"
