#!/usr/bin/env bash
# Builds everything (installing what is missing) and opens the launcher, or one program:
#   ./run.sh [vecintro | vecadd | vecsub | veccoord | vecscale]
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-vectors}"
case "$program" in
  vectors) folder=launcher ;;
  vecintro|vecadd|vecsub|veccoord|vecscale) folder="$program" ;;
  *) echo "usage: ./run.sh [vecintro|vecadd|vecsub|veccoord|vecscale]" >&2; exit 2 ;;
esac
tools/setup.sh
if [ ! -x "build/$folder/$program" ]; then
  echo "$program is not built yet in this version." >&2
  exit 1
fi
exec "build/$folder/$program"
