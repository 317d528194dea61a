#!/usr/bin/env bash
# Builds everything (installing what is missing) and opens one program:
#   ./run.sh vecscale | vecadd | vecsub | veccoord | vecintro
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-vecscale}"
case "$program" in
  vecintro|vecadd|vecsub|veccoord|vecscale) ;;
  *) echo "usage: ./run.sh vecintro|vecadd|vecsub|veccoord|vecscale" >&2; exit 2 ;;
esac
tools/setup.sh
if [ ! -x "build/$program/$program" ]; then
  echo "$program is not built yet in this version." >&2
  exit 1
fi
exec "build/$program/$program"
