#!/usr/bin/env bash
# Builds everything (installing what is missing) and opens the launcher, or one lesson by its
# program's name (build/lessons.json lists them; the usage message names them):
#   ./run.sh [LESSON]
# or builds the site (tools/web/build.sh) and serves it on this computer for a browser:
#   ./run.sh web
set -euo pipefail
cd "$(dirname "$0")"
program="${1:-vectors}"
if [ "$program" = web ]; then
  folder=build-web/site
  tools/web/build.sh build-web
  if [ ! -f "$folder/index.html" ]; then
    echo "The site is not built yet in this version." >&2
    exit 1
  fi
  exec python3 tools/web/serve.py "$folder"
fi
tools/setup.sh
# The lessons are known once built: the build writes their list.
folder=launcher
if [ "$program" != vectors ]; then
  mapfile -t lessons < <(tools/lesson-names.sh build/lessons.json)
  if ! printf '%s\n' "${lessons[@]}" | grep -qx -- "$program"; then
    names="${lessons[*]}"
    echo "usage: ./run.sh [${names// /|}]" >&2
    exit 2
  fi
  folder="$program"
fi
if [ ! -x "build/$folder/$program" ]; then
  echo "$program is not built yet in this version." >&2
  exit 1
fi
exec "build/$folder/$program"
