#!/usr/bin/env bash
# zip.sh [OUT_DIR]: packs the site that build.sh left in OUT_DIR/site (default build-web) into
# OUT_DIR/vectors-web-1.0.zip, all of it under one folder vectors-web-1.0/.
set -euo pipefail
cd "$(dirname "$0")/../.."
out="${1:-build-web}"
name="vectors-web-1.0"
[ -f "$out/site/index.html" ] || { echo "zip.sh: no site in $out/site (run build.sh)" >&2; exit 1; }

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp -R "$out/site" "$stage/$name"
archive="$(cd "$out" && pwd)/$name.zip"
rm -f "$archive"
# Fixed times and order, so that the same site gives the same archive.
find "$stage/$name" -exec touch -h -d '2000-01-01 00:00:00' {} +
(cd "$stage" && find "$name" -print | LC_ALL=C sort | zip -q -X -D "$archive" -@)
echo "$archive"
