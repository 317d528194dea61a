#!/usr/bin/env sh
# lesson-names.sh LESSONS_JSON: the lessons' program names in teaching order, one a line, from
# the list the build writes (build/lessons.json, or a site's lessons.json; one lesson a line).
set -eu
[ $# -eq 1 ] && [ -f "$1" ] || { echo "lesson-names.sh: no lesson list ${1:-}" >&2; exit 2; }
sed -n 's/^{"name":"\([a-z0-9_]*\)".*/\1/p' "$1"
