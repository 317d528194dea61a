#!/usr/bin/env bash
# Builds everything (installing what is missing) and opens the launcher, or one program:
#   ./run.sh [vecintro | vecadd | vecsub | veccoord | vecscale]
# or builds the site (tools/web/build.sh) and serves it on this computer for a browser:
#   ./run.sh web
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-vectors}"
case "$program" in
  vectors) folder=launcher ;;
  vecintro|vecadd|vecsub|veccoord|vecscale) folder="$program" ;;
  web) folder=build-web/site ;;
  *) echo "usage: ./run.sh [vecintro|vecadd|vecsub|veccoord|vecscale]" >&2; exit 2 ;;
esac
if [ "$program" = web ]; then
  tools/web/build.sh build-web
  if [ ! -f "$folder/index.html" ]; then
    echo "The site is not built yet in this version." >&2
    exit 1
  fi
  exec python3 tools/web/serve.py "$folder"
fi
tools/setup.sh
if [ ! -x "build/$folder/$program" ]; then
  echo "$program is not built yet in this version." >&2
  exit 1
fi
exec "build/$folder/$program"
